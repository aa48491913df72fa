#pragma once
// Two scripts side by side: their steps aligned by what each step does, and
// for every aligned pair the fields that differ. One inserted step shifts
// the rows and renumbers the links after it; here it is one step more, and
// a link that still points to the corresponding step is no difference.
//
// The result is two aligned lists with gaps (the lines), the field
// differences of each line, and the correspondence of rows, so that a view
// can show both scripts row against row, walk from difference to difference
// and take a step or a field from one side into the other (ScriptTake.h).

#include "model/ModuleLayout.h"
#include "model/StepFields.h"
#include "model/StepList.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace pst {

// One script to compare: its rows, the layout (where ERROR_CODE lies) and
// the record size in use.
struct CompareInput {
    std::span<const StepRow> rows;
    ModuleLayout layout = ModuleLayout::Royl;
    std::uint16_t recordSize = 0;
};

struct CompareOptions {
    // The log area and ERROR_CODE take part (the results of two drives
    // always differ, so by default they do not).
    bool logs = false;
};

enum class CompareSide { Left, Right };

enum class LineKind : std::uint8_t {
    Same,      // a pair of steps that do the same and agree in every field compared
    Changed,   // a pair of steps with field differences
    OnlyLeft,  // a step the right script does not have (a gap on the right)
    OnlyRight, // a step the left script does not have (a gap on the left)
};

// Where a field lies in one record.
struct FieldSpan {
    std::size_t offset = 0;
    std::size_t width = 0;
};

// One field that differs between the two steps of a line, by its name in the
// step record's table (TEST_ID, P3, GOTO_ON_ERR, ERROR_CODE, "log area").
struct FieldDifference {
    std::string_view name;
    StepFieldKind kind;
    FieldSpan left, right;
    // The values; both 0 for the log area, which holds many.
    std::uint32_t leftValue = 0, rightValue = 0;
};

struct CompareLine {
    LineKind kind = LineKind::Same;
    int left = -1;  // row index on the left, -1 for a gap
    int right = -1; // row index on the right, -1 for a gap
    // A step that moved: the same step stands elsewhere on the other side.
    // On an OnlyLeft line its row on the right, on an OnlyRight line its row
    // on the left; -1 otherwise. The two are one pair for the links, and the
    // OnlyRight line carries their field differences.
    int movedRow = -1;
    std::uint32_t firstDifference = 0;
    std::uint32_t differenceCount = 0;
};

struct ScriptComparison {
    // In the order of both scripts: the left rows of the lines run 0, 1, 2,
    // ... without the gaps, and so do the right rows.
    std::vector<CompareLine> lines;
    std::vector<FieldDifference> differences;
    // The step on the other side that a row corresponds to (a pair, or the
    // same step moved), -1 for none.
    std::vector<int> leftToRight;
    std::vector<int> rightToLeft;
    // The line of each row.
    std::vector<int> leftLine;
    std::vector<int> rightLine;

    bool identical() const;
    // The two rows whose fields a line compares: its pair, or on an
    // OnlyRight line of a moved step the step's rows on both sides; -1 on
    // a side without one.
    static std::pair<int, int> pairRows(const CompareLine& line);
    std::span<const FieldDifference> differencesOf(const CompareLine& line) const
    {
        return std::span(differences).subspan(line.firstDifference, line.differenceCount);
    }
};

// Aligns the steps of two scripts by TEST_ID, TEST_ARG, P1 to P16 and
// POST_ACTION, with Myers' difference algorithm; within a run of steps that
// do not align, steps of the same test, and then steps alike in most of those
// fields, become pairs of changed steps. A step that stands once among the
// unaligned steps of each side, alike on both, has moved. Then compares each
// pair field by field: the fields above by value, the links through the
// alignment (linkRelation), and with options.logs ERROR_CODE by value (each
// at its layout's offset) and the rest of the log area byte by byte.
// Records may differ in size and layout; fields a record lacks read as 0.
ScriptComparison compareScripts(const CompareInput& left, const CompareInput& right, CompareOptions options = {});

enum class LinkRelation {
    Equal,       // the same value
    SameStep,    // different numbers for corresponding steps: inserted or removed steps renumbered it
    Different,   // different steps, or a step against no step or a number outside the script
};

// How a link value on the left relates to one on the right. 0, 0xFFFF and
// numbers past the last step name no step and are compared as values.
LinkRelation linkRelation(const ScriptComparison& comparison, std::uint16_t left, std::uint16_t right);

// How many steps the right script lost, gained, moved and changed against
// the left: a moved step counts once, as moved, not as removed and added.
struct CompareCounts {
    int removed = 0, added = 0, moved = 0, changed = 0;
};
CompareCounts compareCounts(const ScriptComparison& comparison);

// Navigation over the runs of lines that differ (consecutive lines other
// than Same): the first line of the next run after `line`'s own, or of the
// run before (the start of `line`'s own run when `line` lies inside it);
// -1 when there is none. `line` may be -1 (before the first) or
// lines.size() (after the last).
int nextDifference(const ScriptComparison& comparison, int line);
int previousDifference(const ScriptComparison& comparison, int line);

} // namespace pst
