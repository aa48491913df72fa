#include "ui/window/EditorCommandLine.h"

namespace {
const QString kProgram = QStringLiteral("pstedit");

CommandLineExit usageError(const QString& message)
{
    return {QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(kProgram, message), true,
            kUsageStatus};
}

bool isOption(const QString& arg) { return arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-"); }

const QStringList kDiagnosticAnswers = {QStringLiteral("save"), QStringLiteral("discard"), QStringLiteral("cancel"),
                                        QStringLiteral("restore"), QStringLiteral("later")};

// One --diagnostic-NAME[=VALUE] option into `d`; the usage error when it is
// not one or its value does not fit.
std::optional<QString> parseDiagnostic(const QString& arg, EditorDiagnostics& d)
{
    const qsizetype equals = arg.indexOf(QLatin1Char('='));
    const QString name = arg.left(equals);
    const QString value = equals < 0 ? QString() : arg.mid(equals + 1);
    const auto invalid = [&] { return QStringLiteral("invalid argument '%1' for '%2'").arg(value, name); };
    if (name == QLatin1String("--diagnostic-insert") && equals < 0) {
        d.insertStep = true;
    } else if (name == QLatin1String("--diagnostic-answers") && equals >= 0) {
        const QStringList answers = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (const QString& a : answers)
            if (!kDiagnosticAnswers.contains(a))
                return invalid();
        d.answers = answers;
    } else if (name == QLatin1String("--diagnostic-recovery-ms") && equals >= 0) {
        bool ok = false;
        const int ms = value.toInt(&ok);
        if (!ok || ms < 1 || ms > 600000)
            return invalid();
        d.recoveryMs = ms;
    } else if (name == QLatin1String("--diagnostic-dump") && !value.isEmpty()) {
        d.dumpPath = value;
    } else {
        return QStringLiteral("unrecognized option '%1'").arg(arg);
    }
    return std::nullopt;
}
} // namespace

QString editorHelpText()
{
    return QStringLiteral(
        "Usage: pstedit [OPTION]... [FILE]\n"
        "Edit the self scan script of a drive's firmware module file (*.rpm).\n"
        "With FILE, load it as the Load button would with FILE chosen.\n"
        "\n"
        "Options:\n"
        "      --quit-after-first-paint  quit as soon as the window has been painted\n"
        "                                (for timing the start)\n"
        "      --help                    display this help and exit\n"
        "      --version                 output version information and exit\n"
        "\n"
        "Qt's own options, such as -platform offscreen, are accepted too; \"--\" ends\n"
        "the options, so that FILE may start with a dash.\n"
        "\n"
        "ModDescr.ini, Errors.ini and SCRIPTS.INI are read from the program's folder;\n"
        "when none of them lies there, from ../share/pstedit/catalogs beside it.\n"
        "\n"
        "Exit status:\n"
        "  0   the window was closed\n"
        "  2   a usage error\n"
        "\n"
        "The user guide, guide.md, is in the documentation folder of pstedit\n"
        "(share/doc/pstedit).\n");
}

QString editorVersionText()
{
    return QStringLiteral("pstedit %1\n"
                          "This program comes with NO WARRANTY, to the extent permitted by law.\n")
        .arg(QLatin1String(PST_VERSION));
}

std::optional<CommandLineExit> informationRequest(const QStringList& arguments)
{
    for (const QString& arg : arguments) {
        if (arg == QLatin1String("--"))
            break;
        if (arg == QLatin1String("--help"))
            return CommandLineExit{editorHelpText(), false, 0};
        if (arg == QLatin1String("--version"))
            return CommandLineExit{editorVersionText(), false, 0};
    }
    return std::nullopt;
}

ParsedCommandLine parseEditorCommandLine(const QStringList& arguments)
{
    ParsedCommandLine parsed;
    bool optionsEnded = false;
    for (const QString& arg : arguments) {
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && arg == QLatin1String("--quit-after-first-paint")) {
            parsed.options.quitAfterFirstPaint = true;
        } else if (!optionsEnded && arg.startsWith(QLatin1String("--diagnostic-"))) {
            if (const std::optional<QString> error = parseDiagnostic(arg, parsed.options.diagnostics)) {
                parsed.exit = usageError(*error);
                return parsed;
            }
        } else if (!optionsEnded && isOption(arg)) {
            parsed.exit = usageError(QStringLiteral("unrecognized option '%1'").arg(arg));
            return parsed;
        } else if (parsed.options.file) {
            parsed.exit = usageError(QStringLiteral("extra operand '%1'").arg(arg));
            return parsed;
        } else {
            parsed.options.file = arg;
        }
    }
    return parsed;
}
