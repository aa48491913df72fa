#include "model/StepList.h"

#include <gtest/gtest.h>

#include <functional>

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
    list.addObserver(&spy);
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
    list.removeObserver(&spy);
}

TEST(StepList, OnlyARealChangeOfSelectionIsReported)
{
    StepList list = listOf({1, 2, 3});
    SelectionSpy spy;
    list.addObserver(&spy);
    list.select(1);
    list.select(1);           // the row already selected
    list.select(7);           // past the end: no selection
    list.select(StepList::kNone);
    list.select(-5);
    EXPECT_EQ(spy.changes, (std::vector<std::pair<int, int>>{{StepList::kNone, 1}, {1, StepList::kNone}}));
    list.removeObserver(&spy);
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

// What each operation moves on: the rows' revision (the modified mark), the
// selection's (the title) and the selected row's (the refresh). Row 1 of
// four is selected before each.
TEST(StepList, EachOperationMovesTheCountersOfWhatItChanged)
{
    const Byte ff[1] = {0xFF};
    const struct {
        const char* name;
        std::function<void(StepList&)> operation;
        bool rows, selection, selectedRow;
    } cases[] = {
        {"select another row", [](StepList& l) { l.select(2); }, false, true, true},
        {"select the same row", [](StepList& l) { l.select(1); }, false, false, false},
        {"insert after the selection", [](StepList& l) { l.insert(2, rowOf(9)); }, true, false, false},
        {"insert before the selection", [](StepList& l) { l.insert(0, rowOf(9)); }, true, true, true},
        {"remove another row", [](StepList& l) { l.remove(3); }, true, false, false},
        {"remove the selected row", [](StepList& l) { l.remove(1); }, true, true, true},
        {"swap rows apart from it", [](StepList& l) { l.swapWithNext(2); }, true, false, true},
        {"reset", [](StepList& l) { l.reset({rowOf(1)}); }, true, false, true},
        {"caption of another row", [](StepList& l) { l.setCaption(0, "X"); }, true, false, false},
        {"caption of the selected row", [](StepList& l) { l.setCaption(1, "X"); }, true, false, true},
        {"bytes written into it", [&](StepList& l) { l.writeRecord(1, 0, ff); }, true, false, true},
        {"the same bytes written", [](StepList& l) { l.writeRecord(1, 4, Bytes{0}); }, false, false, false},
        {"bytes past its end", [&](StepList& l) { l.writeRecord(1, 136, ff); }, false, false, false},
    };
    for (const auto& c : cases) {
        StepList list = listOf({1, 2, 3, 4});
        list.select(1);
        const auto rows = list.revision();
        const auto selection = list.selectionRevision();
        const auto selectedRow = list.selectedRowRevision();
        c.operation(list);
        EXPECT_EQ(list.revision() != rows, c.rows) << c.name;
        EXPECT_EQ(list.selectionRevision() != selection, c.selection) << c.name;
        EXPECT_EQ(list.selectedRowRevision() != selectedRow, c.selectedRow) << c.name;
    }
}

TEST(StepList, EveryObserverIsToldUntilItIsRemoved)
{
    StepList list = listOf({1, 2});
    SelectionSpy first;
    SelectionSpy second;
    list.addObserver(&first);
    list.addObserver(&second);
    list.select(0);
    list.removeObserver(&first);
    list.select(1);
    EXPECT_EQ(first.changes, (std::vector<std::pair<int, int>>{{StepList::kNone, 0}}));
    EXPECT_EQ(second.changes, (std::vector<std::pair<int, int>>{{StepList::kNone, 0}, {0, 1}}));
    list.removeObserver(&second);
}

// An edit in place is told before and after, once for the range, so an
// observer can keep what the rows were; an empty range is no change.
TEST(StepList, AnEditInPlaceIsToldBeforeAndAfter)
{
    struct Spy : StepListObserver {
        const StepList* list = nullptr;
        std::vector<std::uint16_t> before;
        std::vector<std::pair<int, int>> changed;
        void rowsAboutToChange(int first, int last) override
        {
            for (int i = first; i <= last; ++i)
                before.push_back(list->row(i).record.link(0));
        }
        void rowsChanged(int first, int last) override { changed.emplace_back(first, last); }
    } spy;
    StepList list = listOf({1, 2, 3});
    spy.list = &list;
    list.addObserver(&spy);
    list.editRecords(1, 5, [](StepRecord& record, int i) { record.setLink(0, static_cast<std::uint16_t>(i + 7)); });
    list.editRecords(2, 1, [](StepRecord&, int) { ADD_FAILURE() << "an empty range was edited"; });
    EXPECT_EQ(spy.before, (std::vector<std::uint16_t>{0, 0}));
    EXPECT_EQ(spy.changed, (std::vector<std::pair<int, int>>{{1, 2}}));
    EXPECT_EQ(list.row(2).record.link(0), 9);
    list.removeObserver(&spy);
}
