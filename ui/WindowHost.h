#pragma once
// The editor's host in the window: the core's notifications become widget
// updates (title, status line, combo boxes, the hex view's hint, the step
// list's columns), its questions go to the window's prompts, and its long
// loops let the window repaint without taking user input, so no command
// starts inside another. The rows, the selection and the hex view's bytes
// the views take from the core themselves.

#include "model/Host.h"
#include "ui/WindowPrompts.h"

#include <QtCore/QString>

#include <functional>
#include <optional>
#include <string>

class HexView;
class QComboBox;
class QLineEdit;
class QWidget;
class StepListView;

namespace pst {
class Editor;
}

// The widgets the host keeps up to date.
struct WindowWidgets {
    QWidget* window = nullptr;
    StepListView* list = nullptr;
    HexView* hex = nullptr;
    QComboBox* family = nullptr;
    QComboBox* custom = nullptr;
    QLineEdit* status = nullptr;
};

class WindowHost final : public pst::Host {
public:
    // Where the program's resources are found by name (":/" + "ID0028").
    static constexpr char kResourcePrefix[] = ":/";

    explicit WindowHost(WindowPrompts& prompts);

    // Called once the widgets and the editor exist.
    void attach(const WindowWidgets& widgets, const pst::Editor& editor);

    // The next open dialog of Load is answered with `path` without showing
    // it (the file named on the command line); cleared after one use.
    void answerNextLoad(std::string path) { m_nextLoad = std::move(path); }
    void clearNextLoad() { m_nextLoad.reset(); }
    void setResourcePrefix(QString prefix) { m_resourcePrefix = std::move(prefix); }

    // Dialogs and messages.
    std::optional<std::string> openDialog(const pst::DialogRequest& request) override;
    std::optional<std::string> saveDialog(const pst::DialogRequest& request) override;
    void showMessage(const std::string& text) override;
    void showError(const std::string& text) override;
    pst::SaveChangesAnswer askSaveChanges() override;
    bool ctrlHeld() override;
    void pumpMessages() override;
    std::optional<pst::Bytes> findResource(std::string_view name) override;

    // Controls.
    void titleChanged(const std::string& title) override;
    void statusChanged(const std::string& text) override;
    void customTextChanged(const std::string& text) override;
    void familyTextChanged(const std::string& text) override;
    void familyListChanged(const std::vector<std::string>& names) override;
    void customListChanged(const std::vector<std::string>& names) override;
    void focusStepList() override;
    void scrollToRow(int row) override;
    void modifiedChanged(bool modified) override;
    void scriptChanged() override;
    void scriptReplaced() override;
    // The hex view's hint and field names for the layout in force.
    void showHexHint();
    // Told whenever the script becomes modified or no longer is.
    void setModifiedHandler(std::function<void(bool)> handler) { m_modifiedHandler = std::move(handler); }
    // Told whenever a command changed the rows.
    void setChangeHandler(std::function<void()> handler) { m_changeHandler = std::move(handler); }

private:
    FileDialogRequest fileRequest(const pst::DialogRequest& request) const;

    WindowPrompts& m_prompts;
    WindowWidgets m_widgets;
    const pst::Editor* m_editor = nullptr;
    std::optional<std::string> m_nextLoad;
    QString m_resourcePrefix = QString::fromLatin1(kResourcePrefix);
    std::function<void(bool)> m_modifiedHandler;
    std::function<void()> m_changeHandler;
};
