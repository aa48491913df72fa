#include "model/ScriptWriter.h"

#include "catalogs/IniFile.h"
#include "model/ModuleImage.h"
#include "model/ScriptParser.h"
#include "support/ModuleBuilder.h"

#include <gtest/gtest.h>

using namespace pst;
using pst::test::ModuleBuilder;

namespace {

StepList listOf(const ParsedScript& p)
{
    StepList list;
    list.reset(p.rows);
    return list;
}

} // namespace

TEST(SerializeScript, RewritesTheHeaderAndZeroFillsTheRest)
{
    for (ModuleLayout layout : {ModuleLayout::Royl, ModuleLayout::Legacy32, ModuleLayout::Legacy28}) {
        ModuleBuilder b(layout);
        ModuleImage image(b.ptmStartTime(0x12345678).currentStep(1).step(0xA1).step(0xA2).step(0xA3).capacity(5).build());
        const ParsedScript p = parseScriptImage(image, IniFile());
        StepList list = listOf(p);
        list.remove(1);
        list.select(1);
        const std::size_t size = image.size();
        EXPECT_EQ(SerializeScript(image, list, p.recordSize), layout);
        const LayoutInfo& info = layoutInfo(layout);
        EXPECT_EQ(image.size(), size);
        EXPECT_EQ(getU16(image.bytes(), info.firstRecordOffset), 0xA1);
        EXPECT_EQ(getU16(image.bytes(), info.headerOffset), 2);
        EXPECT_EQ(getU16(image.bytes(), info.headerOffset + 2), info.defaultRecordSize);
        // In legacy-28 the PTM start time's bytes belong to the first record.
        EXPECT_EQ(getU32(image.bytes(), info.headerOffset + 4), layout == ModuleLayout::Legacy28 ? 0xA1u : 0u);
        EXPECT_EQ(getU16(image.bytes(), info.firstRecordOffset + p.recordSize), 0xA3);
        for (std::size_t i = info.firstRecordOffset + 2u * p.recordSize; i < size; ++i)
            ASSERT_EQ(image.data()[i], 0) << i;
    }
}

TEST(SerializeScript, ParseOfTheWrittenImageGivesTheSameRows)
{
    ModuleImage image(ModuleBuilder(ModuleLayout::Legacy28).step(0x10, 0).step(0x20, 3).step(0x30).build());
    const ParsedScript first = parseScriptImage(image, IniFile());
    StepList list = listOf(first);
    list.select(0);
    SerializeScript(image, list, first.recordSize);
    const ParsedScript second = parseScriptImage(image, IniFile());
    EXPECT_EQ(first.rows, second.rows);
}

TEST(SerializeScript, GrowsTheImagePastItsCapacity)
{
    ModuleImage image(ModuleBuilder().step(1).capacity(1).build());
    const ParsedScript p = parseScriptImage(image, IniFile());
    StepList list = listOf(p);
    list.insert(1, list.row(0));
    list.insert(2, list.row(0));
    SerializeScript(image, list, p.recordSize);
    EXPECT_EQ(image.size(), 56u + 3u * 136u);
}

TEST(SerializeScript, EmptyListWritesNothing)
{
    // Not even an image too short for its layout is looked at.
    for (const Bytes& bytes : {ModuleBuilder().step(1).build(), Bytes{'R', 'O'}}) {
        ModuleImage image(bytes);
        EXPECT_EQ(SerializeScript(image, StepList(), 136), std::nullopt);
        EXPECT_EQ(image.data(), bytes);
    }
}
