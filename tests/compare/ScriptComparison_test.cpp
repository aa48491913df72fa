// The alignment of two scripts and the differences of their steps, as tables
// of small scripts. Each line is written as left=right (same), left~right
// with the fields that differ (changed), left- and -right (gaps), a moved
// step with m and the row on the other side. Rows are 1-based.

#include "compare/ScriptComparison.h"
#include "support/CompareSteps.h"

#include <gtest/gtest.h>

using namespace pst;
using pst::test::compareSide;
using pst::test::Step;

namespace {

std::string row(int r) { return std::to_string(r + 1); }

std::string render(const ScriptComparison& c)
{
    std::string out;
    for (const CompareLine& line : c.lines) {
        if (!out.empty())
            out += ' ';
        switch (line.kind) {
        case LineKind::Same: out += row(line.left) + "=" + row(line.right); break;
        case LineKind::Changed: out += row(line.left) + "~" + row(line.right); break;
        case LineKind::OnlyLeft: out += row(line.left) + "-"; break;
        case LineKind::OnlyRight: out += "-" + row(line.right); break;
        }
        if (line.movedRow >= 0)
            out += "m" + row(line.movedRow);
        for (const FieldDifference& d : c.differencesOf(line))
            out += " " + std::string(d.name);
    }
    return out;
}

struct Case {
    const char* name;
    std::vector<Step> left, right;
    const char* lines;
};

void check(const Case& c, ModuleLayout leftLayout, ModuleLayout rightLayout, CompareOptions options)
{
    std::vector<StepRow> l, r;
    const ScriptComparison result =
        compareScripts(compareSide(c.left, l, leftLayout), compareSide(c.right, r, rightLayout), options);
    EXPECT_EQ(render(result), c.lines) << c.name;
}

} // namespace

TEST(ScriptComparison, AlignsStepsAndComparesLinksThroughTheAlignment)
{
    const Case cases[] = {
        {"identical", {{0x10, 0, 2}, {0x11, 0, 3}, {0x12}}, {{0x10, 0, 2}, {0x11, 0, 3}, {0x12}}, "1=1 2=2 3=3"},
        {"insert at the top renumbers links to the same steps",
         {{0x10, 0, 2, 3}, {0x11, 0, 3}, {0x12, 0, kNoStep}},
         {{0xDC, 0xF, 2, 2, 2}, {0x10, 0, 3, 4}, {0x11, 0, 4}, {0x12, 0, kNoStep}},
         "-1 1=2 2=3 3=4"},
        {"delete in the middle: a link to the deleted step now reaches another",
         {{0x10, 0, 2}, {0x11, 0, 3}, {0x12, 0, 4}, {0x13}},
         {{0x10, 0, 2}, {0x12, 0, 3}, {0x13}},
         "1~1 GOTO_ON_SUCCES 2- 3=2 4=3"},
        {"a moved step keeps the links to it",
         {{0x10, 0, 2}, {0x11, 0, 3}, {0x12}, {0x13}},
         {{0x10, 0, 4}, {0x12}, {0x13}, {0x11, 0, 2}},
         "1=1 2-m4 3=2 4=3 -4m2"},
        {"a moved step with a changed link", {{0x10}, {0x11, 0, 1}, {0x12}}, {{0x10}, {0x12}, {0x11, 0, 2}},
         "1=1 2-m3 3=2 -3m2 GOTO_ON_SUCCES"},
        {"a changed link", {{0x10, 0, 2, 3}, {0x11}, {0x12}}, {{0x10, 0, 2, 2}, {0x11}, {0x12}},
         "1~1 GOTO_ON_ERR 2=2 3=3"},
        {"the same number, another step", {{0x10, 0, 2}, {0x11}}, {{0xDC}, {0x10, 0, 2}, {0x11}},
         "-1 1~2 GOTO_ON_SUCCES 2=3"},
        {"links outside the script compare as values",
         {{0x10, 0, 0x40, 0x40, 0}, {0x11, 0, 0x40, kNoStep, 0}},
         {{0x10, 0, 0x40, 0x41, 0}, {0x11, 0, 2, kNoStep, kNoStep}},
         "1~1 GOTO_ON_ERR 2~2 GOTO_ON_SUCCES GOTO_ON_ABRT"},
        {"a changed parameter pairs the steps of one test", {{0x10}, {0x11, 5}, {0x12}}, {{0x10}, {0x11, 6}, {0x12}},
         "1=1 2~2 P1 3=3"},
        {"a changed test id with the rest alike pairs the steps", {{0x10}, {0xD2, 5}, {0x12}},
         {{0x10}, {0x3300, 5}, {0x12}}, "1=1 2~2 TEST_ID 3=3"},
        {"a replaced step is two gaps", {{0x10}, {0xD2, 5, 1, 1, 1}, {0x12}},
         {{0x10}, {0x3300, 6, 2, 2, 2}, {0x12}}, "1=1 2- -2 3=3"},
        {"steps of one test pair up around an inserted one", {{0x10}, {0x11, 1}, {0x12, 1}, {0x13}},
         {{0x10}, {0x11, 2}, {0xDC, 7, 9}, {0x12, 2}, {0x13}}, "1=1 2~2 P1 -3 3~4 P1 4=5"},
        {"left empty", {}, {{0x10}, {0x11}}, "-1 -2"},
        {"right empty", {{0x10}, {0x11}}, {}, "1- 2-"},
        {"both empty", {}, {}, ""},
        {"results are left out", {{0x10, 0, 0, 0, 0, 0}}, {{0x10, 0, 0, 0, 0, 0x106}}, "1=1"},
    };
    for (const Case& c : cases)
        check(c, ModuleLayout::Royl, ModuleLayout::Royl, {});
}

TEST(ScriptComparison, RecordsOfOtherSizesAndLayoutsCompareByField)
{
    const Case same = {"same steps", {{0x10, 3, 2, 0, 0, 0}, {0x11, 0, 0, 0, 0, 0x106}},
                       {{0x10, 3, 2, 0, 0, 0}, {0x11, 0, 0, 0, 0, 0x106}}, "1=1 2=2"};
    const Case changed = {"changed steps", {{0x10, 3, 2, 0, 0, 0}, {0x11}}, {{0x10, 4, 2, 0, 0, 1}, {0x11}},
                          "1~1 P1 ERROR_CODE 2=2"};
    for (ModuleLayout right : {ModuleLayout::Legacy32, ModuleLayout::Legacy28}) {
        check(same, ModuleLayout::Royl, right, {true});
        check(changed, ModuleLayout::Royl, right, {true});
    }
}

TEST(ScriptComparison, ComparesTheLogAreaWhenAsked)
{
    std::vector<StepRow> l, r;
    const CompareInput left = compareSide({{0x10, 0, 0, 0, 0, 0}, {0x11}}, l);
    const CompareInput right = compareSide({{0x10, 0, 0, 0, 0, 0}, {0x11}}, r);
    r[1].record.setU32(0x50, 3011); // the running time a drive logged
    EXPECT_TRUE(compareScripts(left, right).identical());
    const ScriptComparison c = compareScripts(left, right, {true});
    EXPECT_EQ(render(c), "1=1 2~2 log area");
    const FieldDifference& d = c.differences.at(0);
    EXPECT_EQ(d.left.offset, 0x4Eu);
    EXPECT_EQ(d.left.width, 136u - 0x4E);
}

TEST(ScriptComparison, LinkRelation)
{
    std::vector<StepRow> l, r;
    // Left 10 11 12, right DC 10 11 13: left 1 -> right 2, left 2 -> right 3.
    const ScriptComparison c = compareScripts(compareSide({{0x10}, {0x11}, {0x12}}, l),
                                              compareSide({{0xDC}, {0x10}, {0x11}, {0x13, 7}}, r));
    ASSERT_EQ(render(c), "-1 1=2 2=3 3- -4");
    const struct {
        std::uint16_t left, right;
        LinkRelation relation;
    } cases[] = {
        {1, 2, LinkRelation::SameStep}, {2, 3, LinkRelation::SameStep}, {2, 2, LinkRelation::Different},
        {3, 4, LinkRelation::Different}, {0, 0, LinkRelation::Equal},    {kNoStep, kNoStep, LinkRelation::Equal},
        {kNoStep, 2, LinkRelation::Different}, {9, 9, LinkRelation::Equal}, {4, 4, LinkRelation::Different},
        {0, kNoStep, LinkRelation::Different},
    };
    for (const auto& k : cases)
        EXPECT_EQ(linkRelation(c, k.left, k.right), k.relation) << k.left << " " << k.right;
}

TEST(ScriptComparison, WalksFromDifferenceToDifference)
{
    std::vector<StepRow> l, r;
    // Lines: 1=1 2- 3=2 4=3 5~4 6~5 7=6
    const ScriptComparison c = compareScripts(compareSide({{1}, {2}, {3}, {4}, {5, 1}, {6, 1}, {7}}, l),
                                              compareSide({{1}, {3}, {4}, {5, 2}, {6, 2}, {7}}, r));
    ASSERT_EQ(render(c), "1=1 2- 3=2 4=3 5~4 P1 6~5 P1 7=6");
    const struct {
        int line, next, previous;
    } cases[] = {{-1, 1, -1}, {0, 1, -1}, {1, 4, -1}, {2, 4, 1}, {4, -1, 1}, {5, -1, 4}, {6, -1, 4}, {7, -1, 4}};
    for (const auto& k : cases) {
        EXPECT_EQ(nextDifference(c, k.line), k.next) << k.line;
        EXPECT_EQ(previousDifference(c, k.line), k.previous) << k.line;
    }
}

TEST(ScriptComparison, MapsRowsToTheirLinesAndCounterparts)
{
    std::vector<StepRow> l, r;
    const ScriptComparison c = compareScripts(compareSide({{1}, {2}, {3}}, l), compareSide({{9}, {1}, {3}, {2}}, r));
    ASSERT_EQ(render(c), "-1 1=2 2-m4 3=3 -4m2");
    EXPECT_EQ(c.leftToRight, (std::vector<int>{1, 3, 2}));
    EXPECT_EQ(c.rightToLeft, (std::vector<int>{-1, 0, 2, 1}));
    EXPECT_EQ(c.leftLine, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(c.rightLine, (std::vector<int>{0, 1, 3, 4}));
}
