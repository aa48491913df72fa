#pragma once
// The state of the running editor apart from its widgets: the editor with
// its host, the step list's model, the hex view's byte source and the
// recovery copy. It is made before the window's widgets and goes after
// them, so that nothing a widget does while it is torn down can reach a
// state that is gone. Every command of the window (a button, a menu item, a
// key in the hex view, a value of the field inspector, a drop) runs through
// run(), one at a time.

#include "model/Editor.h"
#include "ui/common/StoredSetting.h"
#include "ui/session/RecordBytesSource.h"
#include "ui/session/RecoveryCopy.h"
#include "ui/session/WindowHost.h"
#include "ui/steplist/StepListModel.h"

#include <QtCore/QObject>
#include <QtCore/QString>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace pst {
class FileSystem;
}

// What the session takes from outside; every part has a default for the
// running program, and tests replace them.
struct WindowSetup {
    // Folder of ModDescr.ini, Errors.ini and SCRIPTS.INI (default: the
    // program's own folder, or the installed catalogs folder).
    std::string catalogFolder;
    // Default: the real file system.
    pst::FileSystem* fileSystem = nullptr;
    // Default: real dialogs and message boxes, over the window once it is made.
    std::unique_ptr<WindowPrompts> prompts;
    // Default: the program's native per-user settings.
    SettingsFactory settings;
    // Where the recovery copy of an edited script is kept (default: the
    // per-user data folder), and how long after a change it is written.
    QString recoveryFolder;
    std::chrono::milliseconds recoveryInterval{RecoveryCopy::kInterval};
};

class EditorSession : public QObject {
    Q_OBJECT

public:
    explicit EditorSession(WindowSetup setup = {});
    ~EditorSession() override;

    pst::Editor& editor() { return m_editor; }
    WindowHost& host() { return m_host; }
    StepListModel& stepModel() { return m_model; }
    RecordBytesSource& hexSource() { return m_hexSource; }
    RecoveryCopy& recoveryCopy() { return m_recovery; }
    WindowPrompts& prompts() { return *m_setup.prompts; }
    const WindowSetup& setup() const { return m_setup; }

    // Runs one command of the window; false when it was refused (another
    // one runs) or failed. Its changes make one step of the script history,
    // named `caption`.
    bool run(const std::function<void()>& command, std::string_view caption = {});

signals:
    // After every run(), whether the command ran or was refused.
    void commandEnded();

private:
    WindowSetup m_setup;
    WindowHost m_host;
    pst::Editor m_editor;
    StepListModel m_model;
    RecordBytesSource m_hexSource;
    RecoveryCopy m_recovery;
};
