#pragma once
// A comparison as pstool writes it, the script of FILE on the left and the
// editor's on the right: one line per difference and a summary line, or one
// JSON object.
//
//   - step 15 (DC)                       a step only in FILE (removed)
//   - step 2 (11) moved to step 4        ... that stands elsewhere in the editor
//   + step 21 (DC)                       a step only in the editor (added)
//   + step 4 (11) moved from step 2
//   ~ step 13 = 13 (3301): TEST_ID BB -> 3301
//   ~ step 1 = 1 (B1): GOTO_ON_ERR 15 -> 16 (step 21: B9 -> step 22: DC)
//   = 22 steps in a.rpm, 23 in the editor: 2 removed, 3 added, 1 moved, 4 changed

#include "compare/ScriptComparison.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace pst::cli {

struct CompareReport {
    std::string_view file; // as given on the command line
    const CompareInput& fileSide;
    const CompareInput& editorSide;
    const ScriptComparison& comparison;
    bool logs;
};

// The difference lines in the order of the two scripts, without the summary.
std::vector<std::string> differenceLines(const CompareReport& report);
// "= N steps in FILE, M in the editor: R removed, A added, V moved, C changed"
// or "...: no differences".
std::string summaryLine(const CompareReport& report);
// {"file", "fileSteps", "editorSteps", "logs", "differences": [{"kind":
// "removed" | "added" | "changed", "file", "editor" (step numbers), "id",
// "movedTo" | "movedFrom", "fields": [{"name", "file", "editor",
// "fileTarget", "editorTarget" (links only)}]}], "removed", "added",
// "moved", "changed"}
nlohmann::ordered_json compareJson(const CompareReport& report);

} // namespace pst::cli
