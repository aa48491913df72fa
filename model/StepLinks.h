#pragma once
// The link arithmetic of the step editing commands, over the rows alone.
// Links are 1-based step numbers; 0 and 0xFFFF are never renumbered by insert
// and delete, and the moves leave 0xFFFF alone but not 0 (16-bit wrap).

#include "model/StepList.h"

namespace pst {

// After a step was inserted at row `pos` (N rows now): in every row after it,
// each link v with v != 0, v != 0xFFFF and v < N - 1 becomes v + 1.
void renumberAfterInsert(StepList& steps, int pos);

// After a delete: in every row from `start` on, each link v other than 0 and
// 0xFFFF becomes v - 1.
void renumberAfterDelete(StepList& steps, int start);

// Several deletes at once: the links of each row i lowered by lowerBy[i] as
// that many deletes in front of it would lower them, each link v other than 0
// and 0xFFFF to v - lowerBy[i], or to 0 (a delete turns 1 into 0, which no
// later delete changes).
void lowerLinks(StepList& steps, const std::vector<int>& lowerBy);

// GOTO_ON_SUCCES of one row moved by delta (16-bit wrap), unless it is 0xFFFF.
void shiftSuccessLink(StepList& steps, int row, int delta);

// Set Eror Step to END: rows before the last three go to the next step, on
// error to step N - 1 and on abort to step N; the last three rows link nowhere.
void applyEndRule(StepList& steps);

// Set Eror Step to STOP: every row goes to the next step and stops on error and
// abort; the last row links nowhere.
void applyStopRule(StepList& steps);

// Set Good Step to Step_by_Step: success links to the next step, except for a
// second-to-last 0xDC step; the last row links nowhere. Error and abort links stay.
void applyStepByStep(StepList& steps);

// Clears the log area (0x4E to the end) of one record and marks it unlogged:
// ERROR_CODE 0xFFFF at the layout's offset.
void clearLog(StepRecord& record, ModuleLayout layout);

} // namespace pst
