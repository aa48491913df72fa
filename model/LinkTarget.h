#pragma once
// What one of a step's links (GOTO_ON_SUCCES, GOTO_ON_ERR, GOTO_ON_ABRT)
// points to, in words, for the field inspector and the step list's tooltips.

#include "model/StepList.h"

#include <cstdint>
#include <string>

namespace pst {

// 0xFFFF: "no next step". 1..N: "step 5: DC Dummy step", the target row's
// caption and description. Past the last step: "step 40: outside the script
// (16 steps)". 0 names no step either (numbers start at 1); the editing
// commands never renumber it, so it is a value that scripts carry rather
// than a slip, and is shown without the warning: "no step: step numbers
// start at 1". Step numbers in decimal, as the window title counts them.
std::string linkTargetText(std::uint16_t link, const StepList& steps);

// True for a link that names a step number past the last step: the rule
// of the link check (ScriptCheck) and of the step list's warning mark.
bool pointsOutsideScript(std::uint16_t link, const StepList& steps);

// One of the record's three links points past the last step.
bool hasLinkOutsideScript(const StepRecord& record, const StepList& steps);

// The row a link leads to (step n is row n - 1); kNone for 0xFFFF, 0 and a
// step past the last, which lead nowhere.
int linkTargetRow(std::uint16_t link, const StepList& steps);

} // namespace pst
