#include "model/EditorSnapshot.h"

#include "support/EditorFixture.h"

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
    EXPECT_EQ(otherHost.hex.bytes(), other.steps().row(1).record.data());
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
