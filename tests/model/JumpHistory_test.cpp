#include "model/JumpHistory.h"

#include <gtest/gtest.h>

using namespace pst;

namespace {
StepList steps(int n)
{
    std::vector<StepRow> rows(static_cast<std::size_t>(n));
    for (StepRow& row : rows)
        row.record = StepRecord(std::size_t{136});
    StepList list;
    list.reset(std::move(rows));
    return list;
}
} // namespace

TEST(JumpHistory, GoesBackAndForwardThroughJumps)
{
    StepList list = steps(10);
    JumpHistory history(list);
    EXPECT_EQ(history.back(0), StepList::kNone);
    history.jumped(0); // 0 -> 5
    history.jumped(5); // 5 -> 8
    EXPECT_EQ(history.back(8), 5);
    EXPECT_EQ(history.back(5), 0);
    EXPECT_FALSE(history.canGoBack());
    EXPECT_EQ(history.forward(0), 5);
    EXPECT_EQ(history.forward(5), 8);
    EXPECT_FALSE(history.canGoForward());
    // A new jump after going back drops what lay ahead.
    EXPECT_EQ(history.back(8), 5);
    history.jumped(5); // 5 -> 2
    EXPECT_FALSE(history.canGoForward());
    EXPECT_EQ(history.back(2), 5);
}

TEST(JumpHistory, PlacesFollowTheirStepsThroughEdits)
{
    StepList list = steps(6);
    JumpHistory history(list);
    history.jumped(1);
    history.jumped(3);
    history.jumped(5);
    list.insert(0, StepRow{StepRecord(std::size_t{136}), "DC", "", StepIcon::None}); // all one further
    list.remove(4);                                                                // the step that was 3
    list.swapWithNext(1);                                                          // the step that was 0 to 2
    EXPECT_EQ(history.back(0), 5); // the step that was 5
    EXPECT_EQ(history.back(5), 1); // the step that was 1
    EXPECT_FALSE(history.canGoBack());

    list.reset({});
    EXPECT_FALSE(history.canGoForward());
}
