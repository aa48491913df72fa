#pragma once
// The fields of the two steps of one line side by side, as a view lists them
// below the two scripts: every field of the key and the links, ERROR_CODE,
// and the log area when logs are compared; each with both values in words
// and, where the comparison found them different, that difference (the one
// to take from the other side).

#include "compare/ScriptComparison.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pst {

struct CompareFieldRow {
    std::string_view name;
    // "" on a side without a step on this line.
    std::string left, right;
    // The difference found in this field; null where the fields agree (or
    // only one side has a step).
    const FieldDifference* difference = nullptr;
};

// The rows whose fields a line shows: its pair, or for a step that moved the
// step on both sides (on either of its two lines); -1 for a side without one.
std::pair<int, int> shownRows(const CompareLine& line);

// The field rows of line `line` (in range) of `comparison`, which compared
// `left` with `right` with `options`.
std::vector<CompareFieldRow> compareFieldRows(const ScriptComparison& comparison, const CompareInput& left,
                                              const CompareInput& right, int line, CompareOptions options);

} // namespace pst
