#pragma once
// A field difference in words, as pstool prints it and a view may show it:
// values in upper-case hexadecimal (TEST_ID with at least two digits), the
// log area as its bytes, and beside a link's values the steps they name.

#include "compare/ScriptComparison.h"

#include <string>

namespace pst {

// The value on one side: "3301", "1F", the log area's bytes "00A1...".
std::string fieldValueText(const FieldDifference& d, const StepRecord& record, CompareSide side);

// What a link names in the script of `side`: "step 21: B9" (the step and
// its TEST_ID), "no next step", "no step" (0), "outside the script".
std::string linkTargetWords(std::uint16_t link, const CompareInput& side);

// "P1 5 -> 6", "TEST_ID BB -> 3301"; a link with the steps it names:
// "GOTO_ON_ERR 15 -> 15 (step 21: B9 -> step 21: DC)".
std::string differenceText(const FieldDifference& d, const CompareInput& left, const CompareInput& right,
                           const CompareLine& line);

} // namespace pst
