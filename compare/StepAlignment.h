#pragma once
// The steps of two scripts aligned, before their fields are compared.

#include "compare/ScriptComparison.h"
#include "compare/StepKeys.h"

#include <span>
#include <vector>

namespace pst {

// Lines in the order of both scripts, from the steps' keys: Same for two steps with equal keys
// (StepKeys.h), Changed for two steps paired within a run that does not
// align, OnlyLeft and OnlyRight for the gaps, with movedRow set for a step
// that moved. No field differences yet.
std::vector<CompareLine> alignSteps(std::span<const StepRow> left, std::span<const StepRow> right, const StepKeys& keys);

} // namespace pst
