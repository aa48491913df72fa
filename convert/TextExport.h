#pragma once
// The dialog part that the text exports and the INI import share: propose a
// file name in one of the shared dialogs, clear it afterwards, and for the
// exports build the text and write it atomically.

#include "model/Host.h"

#include <functional>
#include <string>
#include <string_view>

namespace pst {

class Editor;

// Proposes a file name in a shared dialog for as long as it lives; the name
// is cleared when it goes, however the command ends, so that the next use of
// the dialog does not propose it again.
class ProposedFileName {
public:
    ProposedFileName(FileDialogState& dialog, std::string_view name) : m_dialog(dialog)
    {
        m_dialog.fileName = std::string(name);
    }
    ~ProposedFileName() { m_dialog.fileName.clear(); }
    ProposedFileName(const ProposedFileName&) = delete;
    ProposedFileName& operator=(const ProposedFileName&) = delete;

private:
    FileDialogState& m_dialog;
};

// Does nothing when no module is loaded (empty image): no dialog, no file.
// Otherwise proposes `proposedName` in the shared save dialog, leaving its
// filter as it is, and writes the text that `buildText` makes once the user
// has chosen a file; the builder runs only then. A cancelled dialog writes
// nothing. The proposed name is cleared afterwards however the export ends.
// Throws Error "Cannot create file "<path>". <reason>" when the file cannot be
// written; an earlier file at the path then keeps its bytes.
void exportTextFile(Editor& editor, DialogPurpose purpose, std::string_view proposedName,
                    const std::function<std::string()>& buildText);

} // namespace pst
