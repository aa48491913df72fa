#pragma once
// Everything the window asks the user or tells them in a modal box, behind
// one interface: the program answers with real dialogs (DialogPrompts),
// tests with a script, so no test ever waits on a dialog.

#include "model/Host.h"

#include <QtCore/QString>

#include <cstdint>
#include <optional>

class QWidget;

// The answer to "Restore the unsaved script from <time>?". Later (no answer
// given) keeps the copy for the next start.
enum class RestoreAnswer { Restore, Discard, Later };

struct FileDialogRequest {
    pst::DialogPurpose purpose;
    std::optional<std::uint16_t> moduleId;
    QString filter;   // Qt's form: "Module 28 (*28*.rpm);;All (*)"
    QString fileName; // proposed, may be empty
    // Where the dialog starts: the folder of the module last loaded or
    // saved, when that came after the dialog's last use; empty: where the
    // dialog was left.
    QString startFolder;
};

class WindowPrompts {
public:
    virtual ~WindowPrompts() = default;
    // The chosen path, or nullopt when the user cancelled.
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileDialogRequest& request) = 0;
    // One of the program's own warnings: a modal box with one OK button.
    virtual void warning(const QString& text) = 0;
    // An error a command raised: a modal critical box with its text.
    virtual void critical(const QString& text) = 0;
    // "Save changes to the script?": Save, Discard or Cancel.
    virtual pst::SaveChangesAnswer askSaveChanges() = 0;
    // "<path> changed on disk since it was loaded. Replace it?": Replace
    // (true) or Cancel.
    virtual bool askReplaceChangedFile(const QString& path) = 0;
    // "<path> changed on disk. Load it again?": Load (true) or Keep.
    virtual bool askReloadChangedFile(const QString& path) = 0;
    // At start, for a recovery copy an earlier run left: "Restore the unsaved
    // script from <savedAt>?" with Restore and Discard.
    virtual RestoreAnswer askRestore(const QString& savedAt) = 0;
    // The window the boxes and dialogs belong to, once it is made (none
    // before, and again once it is gone).
    virtual void setDialogParent(QWidget* /*window*/) {}
};
