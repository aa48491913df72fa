// The fields of a line side by side: both values in words, the differing
// ones marked, a gap's side empty, a moved step shown with its other place.

#include "compare/CompareFieldRows.h"
#include "support/CompareSteps.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace pst;
using pst::test::compareSide;
using pst::test::Step;

namespace {

// "NAME left|right" for the rows that differ (marked "~") or whose texts
// differ, in order.
std::string render(const std::vector<CompareFieldRow>& rows)
{
    std::string out;
    for (const CompareFieldRow& row : rows) {
        if (!row.difference && row.left == row.right)
            continue;
        if (!out.empty())
            out += "; ";
        out += (row.difference ? "~" : "") + std::string(row.name) + " " + row.left + "|" + row.right;
    }
    return out;
}

} // namespace

TEST(CompareFieldRows, ShowsBothStepsOfALineWithTheirDifferences)
{
    std::vector<StepRow> l, r;
    // Lines: -1, 1~2 (P1, GOTO_ON_ERR), 2-m4, 3=3, -4m2.
    const CompareInput left = compareSide({{0x10, 5, 2, 3}, {0x11}, {0x12}}, l);
    const CompareInput right = compareSide({{0xDC}, {0x10, 6, 4, 2}, {0x12}, {0x11, 0, 1}}, r);
    const ScriptComparison c = compareScripts(left, right);
    const struct {
        int line;
        const char* rows;
    } cases[] = {
        // A link renumbered to the same step differs in text only.
        {1, "~P1 5|6; GOTO_ON_SUCCES 2 (step 2: 11)|4 (step 4: 11); ~GOTO_ON_ERR 3 (step 3: 12)|2 (step 2: 10)"},
        // Both places of the moved step, and the link it changed, on either line.
        {2, "~GOTO_ON_SUCCES 0 (no step)|1 (step 1: DC)"},
        {3, ""},
        {4, "~GOTO_ON_SUCCES 0 (no step)|1 (step 1: DC)"},
    };
    for (const auto& k : cases)
        EXPECT_EQ(render(compareFieldRows(c, left, right, k.line, {})), k.rows) << k.line;
    // A step on one side only: the other side's texts are empty.
    const std::vector<CompareFieldRow> added = compareFieldRows(c, left, right, 0, {});
    ASSERT_EQ(added.size(), 23u); // the key, the links, ERROR_CODE
    EXPECT_EQ(added[0].right, "DC");
    EXPECT_EQ(added[19].right, "0 (no step)");
    EXPECT_TRUE(std::all_of(added.begin(), added.end(),
                            [](const CompareFieldRow& row) { return row.left.empty() && !row.difference; }));
}

TEST(CompareFieldRows, ReadsErrorCodeWhereEachLayoutKeepsItAndTheLogAreaWhenAsked)
{
    std::vector<StepRow> l, r;
    const CompareInput left = compareSide({{0x10, 0, 0, 0, 0, 0x106}}, l, ModuleLayout::Royl);
    const CompareInput right = compareSide({{0x10, 0, 0, 0, 0, 0x107}}, r, ModuleLayout::Legacy28);
    const ScriptComparison plain = compareScripts(left, right);
    EXPECT_EQ(render(compareFieldRows(plain, left, right, 0, {})), "ERROR_CODE 106|107");

    r[0].record.setU32(0x50, 3011); // the running time a drive logged
    const ScriptComparison logs = compareScripts(left, right, {true});
    const std::vector<CompareFieldRow> rows = compareFieldRows(logs, left, right, 0, {true});
    ASSERT_EQ(rows.size(), 24u);
    EXPECT_EQ(rows[22].name, "log area");
    EXPECT_TRUE(rows[22].difference);
    EXPECT_EQ(rows[22].left.size(), 2 * (136u - 0x4E));
    EXPECT_EQ(rows[22].right.size(), 2 * (116u - 0x4E));
    EXPECT_EQ(rows[23].name, "ERROR_CODE");
    ASSERT_TRUE(rows[23].difference);
    EXPECT_EQ(rows[23].difference->rightValue, 0x107u);
}
