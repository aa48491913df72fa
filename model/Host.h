#pragma once
// What the editor asks of whoever hosts it: the window answers with real
// dialogs and widgets, pstool from its command line, tests from a script.
// Every notification has a default that does nothing, so a host only
// implements what it shows.

#include "model/Bytes.h"
#include "model/MessagePump.h"
#include "model/TemplateModule.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pst {

// Why a file dialog is shown, so a host without a window can answer each kind
// from its own source (pstool: --load, --save, --module, the export files).
enum class DialogPurpose {
    LoadModule,    // Load: the script module
    SaveModule,    // Save: the script module
    ReadModule,    // a generator reads another module (E6, 1100, 47, 21, 2000..20C0)
    ConfirmModule, // a module's open dialog used as a yes-or-no question
    CompareModule, // the module whose script is compared with the editor's
    ExportTrex,
    ExportIni,
    ImportIni,
};

// The state of one of the two shared dialog objects. The filter keeps the
// form "Name|pattern|Name|pattern" ("Module 28|*28*.rpm|All|*.*"); a window
// converts it to its toolkit's form.
struct FileDialogState {
    std::string filter;
    std::string fileName;
};

struct DialogRequest {
    DialogPurpose purpose;
    std::optional<std::uint16_t> moduleId; // module dialogs and questions
    const FileDialogState& dialog;
};

enum class SaveChangesAnswer { Save, Discard, Cancel };

class Host : public MessagePump {
public:
    // The chosen path, or nullopt when the user cancels.
    virtual std::optional<std::string> openDialog(const DialogRequest& request) = 0;
    virtual std::optional<std::string> saveDialog(const DialogRequest& request) = 0;
    // One of the program's own warnings, modal, one OK button.
    virtual void showMessage(const std::string& text) = 0;
    // An error a command raised (the default handler's message box).
    virtual void showError(const std::string& text) = 0;
    // The script is modified and about to be replaced or closed: "Save changes
    // to the script?" with Save, Discard and Cancel. A host that cannot ask
    // (a batch run) discards.
    virtual SaveChangesAnswer askSaveChanges() { return SaveChangesAnswer::Discard; }
    // Save is about to replace the file the script came from, which someone
    // changed since it was loaded or saved: msg::changedOnDiskQuestion(),
    // Replace (true) or Cancel. A host that cannot ask replaces.
    virtual bool askReplaceChangedFile(const std::string& /*path*/) { return true; }
    // Whether the Ctrl key is held right now.
    virtual bool ctrlHeld() { return false; }
    // The bytes of a module the program carries, by name (the template
    // "ID0028"); nullopt when there is no such resource. By default the
    // template is built in code; the window reads it from its resources.
    virtual std::optional<Bytes> findResource(std::string_view name)
    {
        if (name == kTemplateModuleName)
            return BuildTemplateModule();
        return std::nullopt;
    }
    void pumpMessages() override {}

    virtual void titleChanged(const std::string& /*title*/) {}
    virtual void statusChanged(const std::string& /*text*/) {}
    virtual void customTextChanged(const std::string& /*text*/) {}
    virtual void familyTextChanged(const std::string& /*text*/) {}
    virtual void familyListChanged(const std::vector<std::string>& /*names*/) {}
    virtual void customListChanged(const std::vector<std::string>& /*names*/) {}
    virtual void focusStepList() {}
    virtual void scrollToRow(int /*row*/) {}
    // The script now comes from the module file at `path`: it was loaded
    // (or dropped) from there, or saved there.
    virtual void moduleFileNamed(const std::string& /*path*/) {}
    // The script became modified, or no longer is (after a load or a save).
    virtual void modifiedChanged(bool /*modified*/) {}
    // A command ended that changed the rows (told after modifiedChanged).
    virtual void scriptChanged() {}
    // A module was parsed or a recovery copy restored: a new script, maybe
    // of another layout (Editor::layout(), and with it the hex view's hint,
    // Editor::hexHint(), and the places of its fields) and record size. A
    // list lays out its auto-sized Description column anew.
    virtual void scriptReplaced() {}
};

} // namespace pst
