#pragma once
// Taking from the other script what a comparison found different: one field
// of a pair of steps, or a whole step. The result says what to write; the
// caller writes it with the editor's own operations (a field through the hex
// view, a step with Insert or Delete), so that the links of the other rows
// are renumbered and undo works as for any edit. The comparison is out of
// date afterwards and is made anew.

#include "compare/ScriptComparison.h"
#include "model/Bytes.h"

#include <optional>

namespace pst {

// Bytes to write into one record from `offset` on.
struct FieldEdit {
    std::size_t offset = 0;
    Bytes bytes;
};

// One field of the pair on line `line`, from the other side into side
// `into`: a field of the key as it stands there; a link to the step it
// names there, numbered as on this side (0, 0xFFFF and numbers past the
// last step as they are); ERROR_CODE by value at this side's offset; the log
// area byte for byte, cut or filled with zeros to this side's length, with
// the ERROR_CODE value at this side's offset. nullopt when the line is no
// pair or the link names a step that this side does not have.
std::optional<FieldEdit> takeField(const ScriptComparison& comparison, const CompareInput& left,
                                   const CompareInput& right, int line, const FieldDifference& difference,
                                   CompareSide into);

struct StepEdit {
    enum class Action { Replace, Insert, Remove };
    Action action = Action::Replace;
    // Replace, Remove: the row on side `into`. Insert: the row the new step
    // will be, right after row - 1 (at the top for 0), as Insert puts it
    // after the selected row.
    int row = 0;
    // Replace and Insert: the whole record to write, `into`'s record size.
    StepRecord record;
    // Links set to 0xFFFF (no next step) because the step they name there
    // is missing here.
    int unlinked = 0;
};

// What makes side `into` agree with the other on line `line`: for a pair,
// the other step's key and links (the log area stays: it holds this drive's
// results); for a step only on the other side, that step inserted where it
// stands there, with its log cleared and ERROR_CODE 0xFFFF (no result); for
// a step only on this side, its removal. A moved step counts as a step only
// on one side. nullopt for a line that is the same on both sides.
std::optional<StepEdit> takeStep(const ScriptComparison& comparison, const CompareInput& left,
                                 const CompareInput& right, int line, CompareSide into);

} // namespace pst
