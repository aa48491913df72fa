#pragma once
// One change of the script as a command made it, holding what is needed to
// take it back and bring it back again. Each kind keeps only what changed:
// an inserted row nothing until it is taken back (then the row itself), a
// removed row the row, an edit in place the bytes, texts and icons that
// differ, a link rule how far the links moved, a new module the module that
// was. Taking a change back and bringing it back again swap what is kept
// with what the script holds, so a change never holds two copies.

#include "model/LinkDeltas.h"
#include "model/ModuleImage.h"
#include "model/ModuleLayout.h"
#include "model/RowPatches.h"
#include "model/StepRow.h"

#include <cstdint>
#include <variant>
#include <vector>

namespace pst {

class Editor;

// The module a script lives in, apart from its rows: what Load and a drop
// replace.
struct ModuleState {
    ModuleImage image;
    ModuleLayout layout = ModuleLayout::Royl;
    std::uint16_t recordSize = 0;
    std::int64_t maxStepCount = 0;
};

struct InsertedRow {
    int pos = 0;
    StepRow row; // while taken back
};
struct RemovedRow {
    int pos = 0;
    StepRow row; // while removed
};
struct RemovedRows {
    std::vector<int> positions;
    std::vector<StepRow> rows; // while removed
};
struct SwappedRows {
    int first = 0;
};
struct ReplacedRows {
    std::vector<StepRow> rows; // the rows on the other side of the reset
};

using ScriptChange =
    std::variant<InsertedRow, RemovedRow, RemovedRows, SwappedRows, ReplacedRows, RowPatches, LinkDeltas, ModuleState>;

// Takes the change back (forward: brings it back) on the editor's script.
void applyChange(ScriptChange& change, Editor& editor, bool forward);
// Bytes the change holds, roughly: its rows, bytes and runs.
std::size_t changeMemory(const ScriptChange& change);
// Whether the change changed nothing (an edit that left every row as it was).
bool changesNothing(const ScriptChange& change);

} // namespace pst
