#pragma once
// Whoever keeps the history of the rows: the step list tells it of each
// change as it is made, with what is needed to take the change back (a
// removed row itself, the rows a reset replaced, what an edit in place
// changed). Views learn of changes as observers; only the one recorder is
// given the rows.

#include "model/LinkDeltas.h"
#include "model/RowPatches.h"
#include "model/StepRow.h"

#include <vector>

namespace pst {

class StepListRecorder {
public:
    virtual ~StepListRecorder() = default;
    virtual void rowInserted(int pos) = 0;
    virtual void rowRemoved(int pos, StepRow row) = 0;
    // Rows removed at once; `positions` ascending, their indices before.
    virtual void rowsRemoved(std::vector<int> positions, std::vector<StepRow> rows) = 0;
    virtual void rowSwappedWithNext(int first) = 0;
    // Every row replaced; `previous` are the rows that were.
    virtual void listReset(std::vector<StepRow> previous) = 0;
    // An edit in place of rows starting at `first`: the recorder hands out
    // where the step list notes what changed, row by row; done() follows.
    virtual RowPatches& rowEdits() = 0;
    virtual LinkDeltas& linkEdits(int first) = 0;
    virtual void editsDone() = 0;
};

} // namespace pst
