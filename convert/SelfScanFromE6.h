#pragma once
// "Create Selfscan Script from E6": a self-scan script built from the test
// list of module E6, framed by fixed preparation and closing steps, some of
// them only when the user confirms the module of the same id.

#include <cstdint>

namespace pst {

class Editor;

// The open dialog of a module used as a yes-or-no question: shows it with the
// module's filter ("Module 3307|*3307*.rpm|All|*.*") and an empty file name;
// true when the user chooses a file, which is neither opened nor read.
// However it ends, the dialog is left with no file name and the filter
// "All|*.*".
bool ConfirmModuleFile(Editor& editor, std::uint16_t moduleId);

// The command. Inserts the block behind the selected row, selects the first
// row of the list, then clears the logs of the whole list and applies "Set
// Eror Step to END". Without a generated block (E6 cancelled or empty, no
// script module, no test list) only the log clearing and the END rule run; a
// first word with low byte 0 changes nothing at all. A short or inconsistent
// E6 file fails with "Stream read error": the steps inserted so far stay,
// with their provisional links.
void miCreateSelfscanScriptfromE6Click(Editor& editor);

} // namespace pst
