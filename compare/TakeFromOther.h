#pragma once
// "Take from other" of the compare window: the other script's step, or one
// of its fields, copied into the editor's script with the editor's own
// operations, Insert and the record write, so that the links of the other
// rows are renumbered as for any insert and the hex view shows the bytes
// written. The caller runs it as one command (Editor::run): it is one step
// of the editor's history, whatever it changed.

#include "compare/ScriptComparison.h"

#include <string>
#include <string_view>

namespace pst {

class Editor;

inline constexpr std::string_view kTakeFromOther = "Take from other";

struct TakeOutcome {
    bool taken = false;
    // The editor's row written or inserted; after a removal, the row
    // selected then. -1 when nothing was taken.
    int row = -1;
    // What the user should know, or "".
    std::string note;
};

// `comparison` compared `other` (left) with `edited`, the editor's script as
// it is now (right), as pstool compares a file with the editor's script.
// With `field` (a difference of line `line`, or for a moved step of its
// other line): that field of the pair; without: the step of line `line`
// (replaced, inserted where it stands in the other script, or removed when
// only the edited script has it; see takeStep). The step or field taken
// becomes the selected row. Nothing is taken for a line that is the same on
// both sides, a link to a step the edited script lacks, or a comparison
// that no longer matches the editor's rows.
TakeOutcome takeFromOther(Editor& editor, const ScriptComparison& comparison, const CompareInput& other,
                          const CompareInput& edited, int line, const FieldDifference* field);

} // namespace pst
