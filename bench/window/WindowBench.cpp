// pst_window_bench: the window's figures, each the median of several runs,
// one line per figure as "NAME: VALUE ms" (wall clock) followed by
// "NAME_cpu: VALUE ms" (processor time). The runs of a figure and of its
// baselines alternate, so that all see the same load of the machine.
//
//     pst_window_bench [--runs N] [--pstedit PATH --minimal PATH]
//
// load100k_first_frame               loadFile of 100,000 steps in the window
//                                    until the list's next painted frame
// baseline_treeview100k_first_frame  a bare QTreeView over a table model of
//                                    the same strings, set up from the texts
//                                    and painted
// bare_treeview100k_first_frame      the same over strings made beforehand
// start_first_frame                  pstedit --quit-after-first-paint (with
//                                    --pstedit)
// baseline_minimal_qt_first_frame    pst_minimal_qt (with --minimal)
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "LoadFigures.h"
#include "StartFigures.h"

#include <QtWidgets/QApplication>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Options {
    int runs = 5;
    QString pstedit;
    QString minimal;
    bool ok = true;
};

Options parseOptions(const QStringList& args)
{
    Options o;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--runs") && hasValue)
            o.runs = std::max(1, args[++i].toInt());
        else if (a == QLatin1String("--pstedit") && hasValue)
            o.pstedit = args[++i];
        else if (a == QLatin1String("--minimal") && hasValue)
            o.minimal = args[++i];
        else
            o.ok = false;
    }
    return o;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Figure {
    const char* name;
    std::function<Timing()> run;
};

// Runs the figures in turn, `runs` times over; prints the median wall-clock
// time of each and, as NAME_cpu, the median processor time. False when any
// run failed.
bool measure(int runs, const std::vector<Figure>& figures)
{
    std::vector<std::vector<double>> wall(figures.size());
    std::vector<std::vector<double>> cpu(figures.size());
    for (int i = 0; i < runs; ++i) {
        for (std::size_t f = 0; f < figures.size(); ++f) {
            const Timing t = figures[f].run();
            if (t.wallMs < 0) {
                std::fprintf(stderr, "pst_window_bench: a run of %s failed\n", figures[f].name);
                return false;
            }
            wall[f].push_back(t.wallMs);
            cpu[f].push_back(t.cpuMs);
        }
    }
    for (std::size_t f = 0; f < figures.size(); ++f)
        std::printf("%s: %.1f ms\n%s_cpu: %.1f ms\n", figures[f].name, median(wall[f]), figures[f].name,
                    median(cpu[f]));
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Options options = parseOptions(QApplication::arguments());
    if (!options.ok || options.pstedit.isEmpty() != options.minimal.isEmpty()) {
        std::fputs("usage: pst_window_bench [--runs N] [--pstedit PATH --minimal PATH]\n", stderr);
        return 2;
    }

    LoadFigures load;
    if (!load.valid()) {
        std::fputs("pst_window_bench: cannot write the module and catalogs\n", stderr);
        return 1;
    }
    bool ok = measure(options.runs, {
        {"load100k_first_frame", [&] { return load.windowLoad(); }},
        {"baseline_treeview100k_first_frame", [&] { return load.baseline(true); }},
        {"bare_treeview100k_first_frame", [&] { return load.baseline(false); }},
    });
    if (!options.pstedit.isEmpty()) {
        StartFigures start;
        const QStringList quit = {QStringLiteral("--quit-after-first-paint")};
        ok = measure(options.runs, {
                 {"start_first_frame", [&] { return start.run(options.pstedit, quit); }},
                 {"baseline_minimal_qt_first_frame", [&] { return start.run(options.minimal, {}); }},
             })
            && ok;
    }
    return ok ? 0 : 1;
}
