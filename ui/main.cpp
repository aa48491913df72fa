// pstedit: the editor's window. See ui/EditorCommandLine.h for its arguments.

#include "ui/EditorCommandLine.h"
#include "ui/FirstPaintQuit.h"
#include "ui/MainWindow.h"

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
} // namespace

int main(int argc, char* argv[])
{
    if (const std::optional<CommandLineExit> info = informationRequest(rawArguments(argc, argv)))
        return finish(*info);

    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(PST_VERSION));
    const ParsedCommandLine parsed = parseEditorCommandLine(QApplication::arguments().mid(1));
    if (parsed.exit)
        return finish(*parsed.exit);

    TfmScript window;
    if (parsed.options.quitAfterFirstPaint)
        new FirstPaintQuit(&window);
    window.show();
    if (parsed.options.file)
        window.loadFile(*parsed.options.file);
    return QApplication::exec();
}
