#include "model/EditorSnapshot.h"

#include "support/EditorFixture.h"
#include "support/SnapshotSeal.h"

using namespace pst;
using namespace pst::test;

class EditorSnapshotTest : public EditorFixture {};

TEST_F(EditorSnapshotTest, RestoresTheEditedScriptExactly)
{
    load(ModuleBuilder(ModuleLayout::Legacy28).step(0x10, 0).step(0x8001, 3).build());
    editor.setModIdText("3B");
    editor.selectRow(0);
    ASSERT_TRUE(run(&Editor::miInsertClick));
    EditorSnapshot snap = editor.snapshot();
    snap.savedAtSeconds = 1765000000;
    const Bytes encoded = encodeSnapshot(snap);

    MemoryFileSystem otherFs;
    ScriptedHost otherHost;
    Editor other(otherHost, otherFs, "/cat");
    const auto decoded = decodeSnapshot(encoded);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, snap);
    other.run([&] { other.restore(*decoded); });
    EXPECT_EQ(other.image().data(), editor.image().data());
    EXPECT_EQ(other.steps().rows(), editor.steps().rows());
    EXPECT_EQ(other.steps().selected(), 1);
    EXPECT_EQ(other.layout(), ModuleLayout::Legacy28);
    EXPECT_EQ(other.modIdText(), "3B");
    EXPECT_TRUE(other.modified());
    EXPECT_EQ(other.recordBuffer().bytes(), other.steps().row(1).record.data());
}

TEST_F(EditorSnapshotTest, RefusesDamagedOrForeignBytes)
{
    load(ModuleBuilder().step(0x10).step(0x11).build());
    const Bytes good = encodeSnapshot(editor.snapshot());
    EXPECT_TRUE(decodeSnapshot(good).has_value());
    EXPECT_FALSE(decodeSnapshot(Bytes{}).has_value());
    for (std::size_t n = 0; n < good.size(); n += 7)
        EXPECT_FALSE(decodeSnapshot(ByteView(good).first(n)).has_value()) << n;
    for (std::size_t i = 0; i < good.size(); i += 13) {
        Bytes bad = good;
        bad[i] ^= 0x40;
        EXPECT_FALSE(decodeSnapshot(bad).has_value()) << i;
    }
}

namespace {

void putU64(Bytes& b, std::size_t at, std::uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        b[at + static_cast<std::size_t>(i)] = static_cast<Byte>(v >> (8 * i));
}

} // namespace

// Well-sealed copies whose fields disagree with each other or run past the
// end are refused; the odd but possible states are restored.
TEST_F(EditorSnapshotTest, RefusesInconsistentFieldsEvenWhenWellSealed)
{
    load(ModuleBuilder().step(0x10).step(0x11).capacity(4).build());
    const EditorSnapshot good = editor.snapshot();
    ASSERT_TRUE(decodeSnapshot(resealed(encodeSnapshot(good))).has_value());

    const auto withRecordSize = [&](std::uint16_t size) {
        EditorSnapshot s = good;
        s.recordSize = size;
        for (StepRow& row : s.rows)
            row.record = StepRecord(Bytes(size, 1));
        s.image.resize(56 + 4 * std::size_t{size}); // room for four records still
        return s;
    };
    struct Case {
        const char* name;
        EditorSnapshot snapshot;
        bool restored;
    };
    EditorSnapshot empty;
    EditorSnapshot biggerCapacity = good;
    ++biggerCapacity.maxStepCount;
    EditorSnapshot selectedPastTheEnd = good;
    selectedPastTheEnd.selected = 2;
    EditorSnapshot rowsWithoutRecordSize = withRecordSize(0);
    rowsWithoutRecordSize.maxStepCount = 0;
    const Case cases[] = {
        {"nothing loaded yet", empty, true},
        {"record size 0xFFFF", withRecordSize(0xFFFF), true},
        {"record size just holding the error code", withRecordSize(0x6A), true},
        {"record size one below", withRecordSize(0x69), false},
        {"rows without a record size", rowsWithoutRecordSize, false},
        {"capacity beyond the image", biggerCapacity, false},
        {"selection past the last row", selectedPastTheEnd, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeSnapshot(encodeSnapshot(c.snapshot)).has_value(), c.restored) << c.name;

    // Length fields far beyond the bytes there are: the image's, the module
    // id text's, the row count.
    const Bytes bytes = encodeSnapshot(good);
    const std::size_t imageLength = 16;
    const std::size_t textLength = imageLength + 8 + good.image.size() + 1 + 4 + 8 + 4;
    const std::size_t rowCount = textLength + 8 + good.modIdText.size();
    for (const auto& [at, value] : {std::pair{imageLength, ~std::uint64_t{0}}, std::pair{textLength, std::uint64_t{1} << 63},
                                    std::pair{rowCount, std::uint64_t{0xFFFFFFFF}}, std::pair{rowCount, std::uint64_t{1}}}) {
        Bytes damaged = bytes;
        putU64(damaged, at, value);
        EXPECT_FALSE(decodeSnapshot(resealed(damaged)).has_value()) << at << " " << value;
    }
}
