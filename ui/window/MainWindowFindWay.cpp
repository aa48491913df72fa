// Finding one's way: the find bar and link jumps, the recent files on the
// Load button, the loaded file changed on disk, and where the file dialogs
// start.

#include "ui/steplist/FindBar.h"
#include "ui/steplist/StepListView.h"
#include "ui/window/BottomPanel.h"
#include "ui/window/MainWindow.h"
#include "ui/window/ModuleFileWatch.h"
#include "ui/window/RecentFiles.h"
#include "ui/window/RecentFilesMenu.h"
#include "ui/window/StepNavigator.h"

#include <QtCore/QDir>
#include <QtWidgets/QPushButton>

void TfmScript::createWayFinding()
{
    m_navigator = new StepNavigator(
        editor(), [this](const std::function<void()>& command) { return runCommand(command); }, *m_lvScript,
        stepModel(), *m_findBar, *this);

    m_recentFiles = std::make_unique<RecentFiles>(m_session.setup().settings);
    m_recentMenu = new RecentFilesMenu(*m_recentFiles, *m_panel->btRead, [this](const QString& path) {
        loadFile(path);
    });
    connect(&host(), &WindowHost::moduleFileKnown, this, [this](const QString& path) { m_recentFiles->add(path); });

    m_fileWatch = new ModuleFileWatch(editor(), m_session.prompts(), *this, [this](const QString& path) {
        loadFile(path);
    });

    // The dialogs start where the user last worked, not in the program's
    // working folder.
    const QString folder = m_recentFiles->newestFolder();
    host().setStartFolder(folder.isEmpty() ? QDir::homePath() : folder);
}
