// The selected record's working bytes: writes and their marks, undo within
// the budget, the edit state reset, loading, the size lock, and what the
// views are told.

#include "model/Error.h"
#include "model/RecordBuffer.h"

#include <gtest/gtest.h>

using namespace pst;

namespace {
constexpr std::size_t kRecordSize = 136;

// Bytes 0, 1, 2, ... so that every offset holds its own low byte.
Bytes countingBytes(std::size_t size)
{
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<Byte>(i);
    return bytes;
}

// Sized and loaded the way the editor does it after a parse and a refresh.
struct LoadedBuffer {
    LoadedBuffer()
    {
        buffer.setSizeUnlocked(kRecordSize);
        buffer.load(countingBytes(kRecordSize));
    }
    ByteRange writeByte(std::size_t offset, Byte value) { return buffer.write(offset, ByteView(&value, 1)); }
    RecordBuffer buffer;
};

struct Spy : RecordBufferObserver {
    std::vector<ByteRange> changed;
    int resets = 0;
    int sizes = 0;
    void recordBytesChanged(ByteRange range) override { changed.push_back(range); }
    void recordEditStateReset() override { ++resets; }
    void recordSizeChanged() override { ++sizes; }
};
} // namespace

// Taken as one edit of the user's, or refused whole.
TEST(RecordBuffer, WritesInsideTheRecordOnly)
{
    const struct {
        const char* name;
        std::size_t offset;
        Bytes bytes;
        bool taken;
    } cases[] = {
        {"two bytes inside", 0x48, {0xFF, 0xFF}, true},
        {"the last four", 0x84, {1, 2, 3, 4}, true},
        {"one past the end", 0x85, {1, 2, 3, 4}, false},
        {"far past the end", SIZE_MAX, {1, 2}, false},
        {"at the end", 0x88, {1}, false},
        {"nothing", 0, {}, false},
    };
    for (const auto& c : cases) {
        LoadedBuffer loaded;
        Spy spy;
        loaded.buffer.addObserver(&spy);
        const ByteRange written = loaded.buffer.write(c.offset, c.bytes);
        const ByteRange expectedRange = c.taken ? ByteRange{c.offset, c.bytes.size()} : ByteRange{};
        EXPECT_EQ(written, expectedRange) << c.name;
        Bytes expected = countingBytes(kRecordSize);
        if (c.taken)
            std::copy(c.bytes.begin(), c.bytes.end(), expected.begin() + static_cast<std::ptrdiff_t>(c.offset));
        EXPECT_EQ(loaded.buffer.bytes(), expected) << c.name;
        EXPECT_EQ(spy.changed.size(), c.taken ? 1u : 0u) << c.name;
        for (std::size_t i = 0; i < kRecordSize; ++i)
            ASSERT_EQ(loaded.buffer.isChanged(i), c.taken && i >= c.offset && i < c.offset + c.bytes.size()) << c.name;
        EXPECT_EQ(loaded.buffer.canUndo(), c.taken) << c.name;
        loaded.buffer.removeObserver(&spy);
    }
}

TEST(RecordBuffer, UndoAndRedoBringBackBytesAndMarks)
{
    LoadedBuffer loaded;
    RecordBuffer& buffer = loaded.buffer;
    for (std::size_t i = 0; i < 4; ++i)
        loaded.writeByte(0x10 + i, 0xAB);
    const Bytes typed = buffer.bytes();
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(buffer.undo(), (ByteRange{0x13 - i, 1}));
    EXPECT_EQ(buffer.bytes(), countingBytes(kRecordSize));
    EXPECT_FALSE(buffer.isChanged(0x10)); // the marks go back too
    EXPECT_TRUE(buffer.undo().empty());   // nothing left
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(buffer.redo().empty());
    EXPECT_EQ(buffer.bytes(), typed);
    EXPECT_TRUE(buffer.isChanged(0x11));
    EXPECT_FALSE(buffer.canRedo());

    buffer.undo();
    loaded.writeByte(0, 1); // a new edit clears the redo side
    EXPECT_FALSE(buffer.canRedo());
    EXPECT_TRUE(buffer.redo().empty());
}

// 40 keystrokes, each a one-byte step: 33 of them stay undoable.
TEST(RecordBuffer, UndoBeyondTheBudget)
{
    LoadedBuffer loaded;
    for (std::size_t i = 0; i < 7; ++i)
        loaded.writeByte(i, 0);
    const Bytes afterSeven = loaded.buffer.bytes();
    for (std::size_t i = 7; i < 40; ++i)
        loaded.writeByte(i, 0xFF);
    int undone = 0;
    while (!loaded.buffer.undo().empty())
        ++undone;
    EXPECT_EQ(undone, 33);
    EXPECT_EQ(loaded.buffer.bytes(), afterSeven);
}

// Selecting another row and coming back: the bytes stay, the marks and the
// history are gone.
TEST(RecordBuffer, ResetClearsMarksAndHistory)
{
    LoadedBuffer loaded;
    loaded.writeByte(0x48, 0xFF);
    loaded.writeByte(0x49, 0xFF);
    const Bytes edited = loaded.buffer.bytes();
    Spy spy;
    loaded.buffer.addObserver(&spy);
    loaded.buffer.resetEditState();
    EXPECT_EQ(spy.resets, 1);
    EXPECT_FALSE(loaded.buffer.isChanged(0x48));
    EXPECT_TRUE(loaded.buffer.undo().empty());
    EXPECT_EQ(loaded.buffer.bytes(), edited);
    loaded.buffer.removeObserver(&spy);
}

TEST(RecordBuffer, LoadKeepsTheSizeMarksAndHistory)
{
    RecordBuffer buffer;
    buffer.setSizeUnlocked(kRecordSize);
    Spy spy;
    buffer.addObserver(&spy);
    buffer.load(Bytes(200, 0x11));
    EXPECT_EQ(buffer.size(), kRecordSize);
    EXPECT_EQ(buffer.bytes(), Bytes(kRecordSize, 0x11));
    const Byte one = 1;
    buffer.write(0x40, ByteView(&one, 1));
    buffer.load(Bytes(4, 0x22));
    EXPECT_EQ(Bytes(buffer.bytes().begin(), buffer.bytes().begin() + 5), (Bytes{0x22, 0x22, 0x22, 0x22, 0x11}));
    EXPECT_TRUE(buffer.isChanged(0x40));
    EXPECT_TRUE(buffer.canUndo());
    EXPECT_EQ(spy.changed, (std::vector<ByteRange>{{0, kRecordSize}, {0x40, 1}, {0, 4}}));
    buffer.removeObserver(&spy);
}

TEST(RecordBuffer, SizeLock)
{
    LoadedBuffer loaded;
    RecordBuffer& buffer = loaded.buffer;
    loaded.writeByte(0, 0x12);
    EXPECT_TRUE(buffer.sizeLocked());
    try {
        buffer.setSize(116);
        ADD_FAILURE() << "a size change under the lock was taken";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Cannot change fixed filesize");
    }
    EXPECT_EQ(buffer.size(), kRecordSize);
    EXPECT_TRUE(buffer.canUndo());
    buffer.setSize(kRecordSize); // the same size is no change

    // A real change clears the edit state: its offsets name the old bytes.
    buffer.setSizeUnlocked(116);
    EXPECT_EQ(buffer.size(), 116u);
    EXPECT_TRUE(buffer.sizeLocked());
    EXPECT_FALSE(buffer.canUndo());
    EXPECT_FALSE(buffer.isChanged(0));
    buffer.setSizeUnlocked(120);
    EXPECT_EQ(Bytes(buffer.bytes().end() - 4, buffer.bytes().end()), Bytes(4, 0)); // new bytes are 0

    // Sizes from and to 0 pass the lock.
    buffer.setSize(0);
    buffer.setSize(16);
    EXPECT_EQ(buffer.size(), 16u);
}
