#pragma once
// The editor's host in the window. Its questions go to the window's prompts;
// its long loops let the window repaint without taking user input, so no
// command starts inside another; and its notifications become signals that
// the window's widgets follow (title, status line, combo boxes, the hex
// view's hint, the step list's columns). The rows, the selection and the
// hex view's bytes the views take from the core themselves. The host knows
// no widget, so it may outlive them.

#include "model/Host.h"
#include "ui/session/WindowPrompts.h"

#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <optional>
#include <string>

class WindowHost final : public QObject, public pst::Host {
    Q_OBJECT

public:
    // Where the program's resources are found by name (":/" + "ID0028").
    static constexpr char kResourcePrefix[] = ":/";

    explicit WindowHost(WindowPrompts& prompts, QObject* parent = nullptr);

    // The next open dialog of Load is answered with `path` without showing
    // it (the file named on the command line); cleared after one use.
    void answerNextLoad(std::string path) { m_nextLoad = std::move(path); }
    void clearNextLoad() { m_nextLoad.reset(); }
    void setResourcePrefix(QString prefix) { m_resourcePrefix = std::move(prefix); }
    // The next open and save dialogs start in `folder` (then each where it
    // was left, until a module is loaded or saved: then in its folder).
    void setStartFolder(const QString& folder);

    // Dialogs and messages.
    std::optional<std::string> openDialog(const pst::DialogRequest& request) override;
    std::optional<std::string> saveDialog(const pst::DialogRequest& request) override;
    void showMessage(const std::string& text) override;
    void showError(const std::string& text) override;
    pst::SaveChangesAnswer askSaveChanges() override;
    bool askReplaceChangedFile(const std::string& path) override;
    bool ctrlHeld() override;
    void pumpMessages() override;
    std::optional<pst::Bytes> findResource(std::string_view name) override;

signals:
    void titleTextChanged(const QString& title);
    void statusTextChanged(const QString& text);
    void customBoxTextChanged(const QString& text);
    void familyBoxTextChanged(const QString& text);
    void familyBoxItemsChanged(const QStringList& names);
    void customBoxItemsChanged(const QStringList& names);
    void stepListFocusRequested();
    void rowScrollRequested(int row);
    void modifiedMarkChanged(bool modified);
    // A new script (a parse, a restored copy): the hex view's hint and field
    // names follow its layout, the list lays out its columns anew.
    void newScript();
    // A command changed the rows.
    void scriptEdited();
    // The script now comes from the module file at `path` (loaded, dropped
    // or saved).
    void moduleFileKnown(const QString& path);

private:
    // The editor's notifications, as the signals above.
    void titleChanged(const std::string& title) override;
    void statusChanged(const std::string& text) override;
    void customTextChanged(const std::string& text) override;
    void familyTextChanged(const std::string& text) override;
    void familyListChanged(const std::vector<std::string>& names) override;
    void customListChanged(const std::vector<std::string>& names) override;
    void focusStepList() override;
    void scrollToRow(int row) override;
    void modifiedChanged(bool modified) override;
    void scriptReplaced() override;
    void scriptChanged() override;
    void moduleFileNamed(const std::string& path) override;

    // The request for one of the two dialogs, with its start folder if
    // one waits for it (taken then).
    FileDialogRequest fileRequest(const pst::DialogRequest& request, QString& startFolder) const;

    WindowPrompts& m_prompts;
    std::optional<std::string> m_nextLoad;
    QString m_openStartFolder;
    QString m_saveStartFolder;
    QString m_resourcePrefix = QString::fromLatin1(kResourcePrefix);
};
