// The bounded history of a record's byte edits: the 32-byte budget, the
// undo/redo swap and what a new edit does to the redo side.

#include "model/ByteHistory.h"

#include <gtest/gtest.h>

using namespace pst;

namespace {
ByteEdit edit(std::size_t offset, std::size_t length, Byte fill = 'a')
{
    return {offset, Bytes(length, fill), std::vector<bool>(length, false)};
}
} // namespace

// Steps are dropped only while the stored ones exceed the budget before a new
// one comes, so the budget plus one single-byte step stays.
TEST(ByteHistory, BudgetOfSingleByteSteps)
{
    const struct {
        const char* name;
        std::size_t steps;
        std::size_t kept;
    } cases[] = {{"within", 20, 20}, {"at budget", 32, 32}, {"budget plus one", 33, 33},
                 {"beyond", 40, 33}, {"far beyond", 500, 33}};
    for (const auto& c : cases) {
        ByteHistory history;
        for (std::size_t i = 0; i < c.steps; ++i)
            history.record(edit(i, 1));
        EXPECT_EQ(history.undoCount(), c.kept) << c.name;
        EXPECT_EQ(history.storedBytes(), c.kept) << c.name;
        // The oldest went first: the bottom step is the one recorded at steps - kept.
        for (std::size_t i = 1; i < c.kept; ++i)
            history.undo(edit(0, 1));
        EXPECT_EQ(history.nextUndo().offset, c.steps - c.kept) << c.name;
    }
}

TEST(ByteHistory, ALargeStepLastsUntilTheNextEdit)
{
    ByteHistory history;
    history.record(edit(0, 1));
    history.record(edit(0, 100));
    EXPECT_EQ(history.undoCount(), 2u);
    history.record(edit(5, 2));
    EXPECT_EQ(history.undoCount(), 1u);
    EXPECT_EQ(history.nextUndo().offset, 5u);
    EXPECT_EQ(history.storedBytes(), 2u);
}

TEST(ByteHistory, UndoAndRedoSwap)
{
    ByteHistory history;
    history.record(edit(4, 2, 'o')); // the old bytes
    EXPECT_TRUE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
    const ByteEdit restored = history.undo(edit(4, 2, 'n')); // the bytes now there
    EXPECT_EQ(restored.bytes, Bytes(2, 'o'));
    EXPECT_FALSE(history.canUndo());
    EXPECT_TRUE(history.canRedo());
    EXPECT_EQ(history.nextRedo().bytes, Bytes(2, 'n'));
    const ByteEdit again = history.redo(edit(4, 2, 'o'));
    EXPECT_EQ(again.bytes, Bytes(2, 'n'));
    EXPECT_EQ(history.nextUndo().bytes, Bytes(2, 'o'));
    EXPECT_EQ(history.storedBytes(), 2u);
}

TEST(ByteHistory, ANewEditClearsRedoAndClearEmptiesBothSides)
{
    ByteHistory history;
    history.record(edit(0, 3));
    history.record(edit(1, 1));
    history.undo(edit(1, 1));
    EXPECT_TRUE(history.canRedo());
    history.record(edit(2, 1));
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undoCount(), 2u);

    history.undo(edit(2, 1));
    history.clear();
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.storedBytes(), 0u);
}
