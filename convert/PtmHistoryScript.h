#pragma once
// "Create Script from DVT PTM History": the PTM history that a drive keeps in
// module 1100, turned back into script steps.

namespace pst {

class Editor;

// The command. Inserts one step per history entry, in history order, behind
// the selected row; the last one stays selected. Each step links to itself
// until the links are corrected. Cancel, an empty file or no script module
// change nothing. A history that runs off the end of the file fails with
// "Stream read error"; the steps inserted so far stay.
void miCreateScriptfromDVTPTMHistoryClick(Editor& editor);

} // namespace pst
