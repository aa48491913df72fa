// pstedit: the editor's window. See ui/window/EditorCommandLine.h for its arguments.

#include "ui/common/Fonts.h"
#include "ui/session/DiagnosticPrompts.h"
#include "ui/window/EditorCommandLine.h"
#include "ui/window/FirstPaintQuit.h"
#include "ui/window/MainWindow.h"

#include <QtWidgets/QApplication>

#include <cstdio>

namespace {
int finish(const CommandLineExit& exit)
{
    std::fputs(exit.text.toLocal8Bit().constData(), exit.toStandardError ? stderr : stdout);
    return exit.status;
}

QStringList rawArguments(int argc, char* argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

WindowSetup setupFor(const EditorDiagnostics& diagnostics)
{
    WindowSetup setup;
    if (diagnostics.answers)
        setup.prompts = std::make_unique<DiagnosticPrompts>(*diagnostics.answers);
    if (diagnostics.recoveryMs)
        setup.recoveryInterval = std::chrono::milliseconds(*diagnostics.recoveryMs);
    return setup;
}

// What a diagnostic run does once the window stands.
void runDiagnostics(TfmScript& window, const EditorDiagnostics& diagnostics)
{
    if (diagnostics.insertStep)
        window.run(pst::handler<&pst::Editor::miInsertClick>);
    if (diagnostics.dumpPath) {
        const QString error = writeStateDump(window.editor(), *diagnostics.dumpPath);
        if (!error.isEmpty())
            std::fprintf(stderr, "pstedit: %s: %s\n", diagnostics.dumpPath->toLocal8Bit().constData(),
                         error.toLocal8Bit().constData());
    }
}
} // namespace

int main(int argc, char* argv[])
{
    if (const std::optional<CommandLineExit> info = informationRequest(rawArguments(argc, argv)))
        return finish(*info);

    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(PST_VERSION));
    // Menus and boxes speak in the window's font, and a widget that lays out
    // text before it takes the window's font (every line edit does) finds an
    // engine already loaded instead of loading the default one.
    QApplication::setFont(windowFont());
    const ParsedCommandLine parsed = parseEditorCommandLine(QApplication::arguments().mid(1));
    if (parsed.exit)
        return finish(*parsed.exit);

    // The state goes after the window's widgets.
    EditorSession session(setupFor(parsed.options.diagnostics));
    TfmScript window(session);
    if (parsed.options.quitAfterFirstPaint)
        new FirstPaintQuit(&window);
    window.show();
    window.offerRecovery();
    if (parsed.options.file)
        window.loadFile(*parsed.options.file);
    runDiagnostics(window, parsed.options.diagnostics);
    return QApplication::exec();
}
