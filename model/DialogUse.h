#pragma once
// One question asked with one of the editor's two shared dialogs. For as
// long as it lives the dialog proposes a file name; when it goes, however the
// command ends, the name is cleared and a module file's dialog leaves the
// filter "All|*.*" behind, so that the next use finds the dialog as the
// program leaves it.

#include "model/Hex.h"
#include "model/Host.h"

#include <string>
#include <string_view>

namespace pst {

class DialogUse {
public:
    // What the dialog's filter is afterwards: as it was left, or "All|*.*"
    // (after a module file's dialog).
    enum class Filter { Kept, AllFiles };

    DialogUse(FileDialogState& dialog, std::string_view proposedName, Filter after = Filter::Kept)
        : m_dialog(dialog), m_after(after)
    {
        m_dialog.fileName = proposedName;
    }
    ~DialogUse()
    {
        m_dialog.fileName.clear();
        if (m_after == Filter::AllFiles)
            m_dialog.filter = std::string(kAllFilesFilter);
    }
    DialogUse(const DialogUse&) = delete;
    DialogUse& operator=(const DialogUse&) = delete;

private:
    FileDialogState& m_dialog;
    Filter m_after;
};

} // namespace pst
