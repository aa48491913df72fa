// Commands that come from outside the window's controls: a file named on the
// command line, files dropped on the window.

#include "ui/common/DisplayText.h"
#include "ui/window/MainWindow.h"

void TfmScript::loadFile(const QString& path)
{
    host().answerNextLoad(pathFromDisplay(path));
    run(pst::handler<&pst::Editor::btReadClick>, "Load");
    host().clearNextLoad();
}

void TfmScript::WMDropFiles(const std::vector<std::string>& paths)
{
    runCommand([this, &paths] { editor().WMDropFiles(paths); }, pst::kDropCaption);
}
