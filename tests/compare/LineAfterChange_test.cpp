// The selected line after the edited script (right) changed: it stays with
// the other script's step it showed, or keeps its place below the nearest
// one above it.

#include "compare/LineAfterChange.h"
#include "support/CompareSteps.h"

#include <gtest/gtest.h>

using namespace pst;
using pst::test::compareSide;
using pst::test::Step;

TEST(LineAfterChange, FollowsTheOtherScriptsSteps)
{
    const std::vector<Step> other = {{1}, {2}, {3}, {4}};
    const struct {
        const char* name;
        std::vector<Step> before, after;
        int line, expected;
    } cases[] = {
        // before: 1=1 2=2 3=3 4=4
        {"a step inserted above", {{1}, {2}, {3}, {4}}, {{9}, {1}, {2}, {3}, {4}}, 2, 3},
        {"a step deleted above", {{1}, {2}, {3}, {4}}, {{2}, {3}, {4}}, 2, 2},
        {"the selected pair becomes a gap on the right", {{1}, {2}, {3}, {4}}, {{1}, {2}, {4}}, 2, 2},
        // before: 1=1 -2 -3 2=4 3=5 4=6; the second added step stays second
        {"a line of the edited script only", {{1}, {8}, {9}, {2}, {3}, {4}}, {{7}, {1}, {8}, {9}, {2}, {3}, {4}}, 2, 3},
        // ... but not past the next step of the other script, once it is gone
        {"its step removed", {{1}, {8}, {9}, {2}, {3}, {4}}, {{1}, {8}, {2}, {3}, {4}}, 2, 2},
        // before: -1 1=2 ...: above the first step of the other script
        {"above every step of the other script", {{9}, {1}, {2}, {3}, {4}}, {{1}, {2}, {3}, {4}}, 0, 0},
        {"taken: the gap is a pair", {{1}, {3}, {4}}, {{1}, {2}, {3}, {4}}, 1, 1},
        {"no selection", {{1}}, {{1}}, -1, -1},
        {"past the end", {{1}, {2}, {3}, {4}, {5}, {6}}, {{1}, {2}, {3}, {4}}, 5, 3},
    };
    for (const auto& k : cases) {
        std::vector<StepRow> o, b, a;
        const CompareInput left = compareSide(other, o);
        const ScriptComparison before = compareScripts(left, compareSide(k.before, b));
        const ScriptComparison after = compareScripts(left, compareSide(k.after, a));
        EXPECT_EQ(lineAfterChange(before, k.line, after, CompareSide::Left), k.expected) << k.name;
    }
}
