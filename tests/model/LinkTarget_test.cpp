#include "model/LinkTarget.h"

#include <gtest/gtest.h>

using namespace pst;

namespace {
StepList threeSteps()
{
    std::vector<StepRow> rows(3);
    rows[0] = {StepRecord(std::size_t{136}), "D1", "Set up drive parameters", StepIcon::None};
    rows[1] = {StepRecord(std::size_t{136}), "8001", "", StepIcon::None};
    rows[2] = {StepRecord(std::size_t{136}), "DC", "Dummy step", StepIcon::None};
    StepList list;
    list.reset(std::move(rows));
    return list;
}
} // namespace

TEST(LinkTarget, EveryKindOfValue)
{
    const StepList steps = threeSteps();
    const struct {
        std::uint16_t link;
        const char* text;
        bool outside;
        int row; // where following it leads
    } cases[] = {
        {1, "step 1: D1 Set up drive parameters", false, 0},
        {2, "step 2: 8001", false, 1}, // no description: the id alone
        {3, "step 3: DC Dummy step", false, 2},
        {4, "step 4: outside the script (3 steps)", true, StepList::kNone},
        {0xFFFE, "step 65534: outside the script (3 steps)", true, StepList::kNone},
        {0xFFFF, "no next step", false, StepList::kNone},
        {0, "no step: step numbers start at 1", false, StepList::kNone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.link);
        EXPECT_EQ(linkTargetText(c.link, steps), c.text);
        EXPECT_EQ(pointsOutsideScript(c.link, steps), c.outside);
        EXPECT_EQ(linkTargetRow(c.link, steps), c.row);
    }
}

TEST(LinkTarget, AnEmptyScriptHasNoStepToPointTo)
{
    const StepList empty;
    EXPECT_EQ(linkTargetText(1, empty), "step 1: outside the script (0 steps)");
    StepList one;
    one.reset({StepRow{StepRecord(std::size_t{136}), "DC", "", StepIcon::None}});
    EXPECT_EQ(linkTargetText(2, one), "step 2: outside the script (1 step)");
}
