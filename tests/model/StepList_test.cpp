#include "model/StepList.h"

#include <gtest/gtest.h>

using namespace pst;

namespace {

StepRow rowOf(std::uint16_t testId)
{
    StepRow row;
    row.record = StepRecord(136);
    row.record.setTestId(testId);
    return row;
}

StepList listOf(std::initializer_list<std::uint16_t> ids)
{
    StepList list;
    for (std::uint16_t id : ids)
        list.insert(list.size(), rowOf(id));
    return list;
}

struct SelectionSpy : StepListObserver {
    std::vector<std::pair<int, int>> changes;
    void selectionChanged(int previous, int current) override { changes.emplace_back(previous, current); }
};

} // namespace

TEST(StepList, FindStepByTestIdGivesTheFirstMatch)
{
    const StepList list = listOf({0x10, 0xDC, 0x20, 0xDC});
    EXPECT_EQ(FindStepByTestId(list, 0xDC), 1);
    EXPECT_EQ(FindStepByTestId(list, 0x10), 0);
    EXPECT_EQ(FindStepByTestId(list, 0x30), -1);
    EXPECT_EQ(FindStepByTestId(StepList(), 0x10), -1);
}

// Each new number of the selected row is reported: the window's title shows it.
TEST(StepList, TheSelectionFollowsItsRow)
{
    StepList list = listOf({1, 2, 3, 4});
    list.select(2);
    SelectionSpy spy;
    list.setObserver(&spy);
    list.insert(0, rowOf(9));
    EXPECT_EQ(list.selected(), 3);
    list.insert(4, rowOf(9)); // after the selected row
    EXPECT_EQ(list.selected(), 3);
    list.remove(0);
    EXPECT_EQ(list.selected(), 2);
    list.swapWithNext(1);
    EXPECT_EQ(list.selected(), 1);
    list.swapWithNext(1);
    EXPECT_EQ(list.selected(), 2);
    list.swapWithNext(3); // rows apart from the selected one
    EXPECT_EQ(list.row(2).record.testId(), 3);
    list.remove(2);
    EXPECT_EQ(list.selected(), StepList::kNone);
    EXPECT_EQ(spy.changes, (std::vector<std::pair<int, int>>{{2, 3}, {3, 2}, {2, 1}, {1, 2}, {2, StepList::kNone}}));
    list.setObserver(nullptr);
}

TEST(StepList, OnlyARealChangeOfSelectionIsReported)
{
    StepList list = listOf({1, 2, 3});
    SelectionSpy spy;
    list.setObserver(&spy);
    list.select(1);
    list.select(1);           // the row already selected
    list.select(7);           // past the end: no selection
    list.select(StepList::kNone);
    list.select(-5);
    EXPECT_EQ(spy.changes, (std::vector<std::pair<int, int>>{{StepList::kNone, 1}, {1, StepList::kNone}}));
    list.setObserver(nullptr);
}

TEST(StepList, FreeStepDataReleasesRecordsButKeepsTheRows)
{
    StepList list = listOf({1, 2});
    list.FreeStepData();
    ASSERT_EQ(list.size(), 2);
    EXPECT_TRUE(list.row(0).record.empty());
    EXPECT_TRUE(list.row(1).record.empty());
    EXPECT_EQ(FindStepByTestId(list, 0), -1); // a released record matches nothing
}
