#include "model/ScriptParser.h"

#include "catalogs/IniFile.h"
#include "model/Error.h"
#include "model/ModuleImage.h"
#include "support/ModuleBuilder.h"

#include <gtest/gtest.h>

using namespace pst;
using pst::test::ModuleBuilder;

namespace {

const IniFile& catalog()
{
    static const IniFile ini = IniFile::parse(std::string_view(
        "[Desc]\nDC=Delay\n0100=Long id\n[HOST_SEQ]\n8001=Host one\n"));
    return ini;
}

ParsedScript parse(const Bytes& bytes)
{
    return parseScriptImage(ModuleImage(bytes), catalog());
}

std::string errorOf(const Bytes& bytes)
{
    try {
        parse(bytes);
    } catch (const Error& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(ParseScript, ReadsRowsUntilTestIdZeroInEveryLayout)
{
    for (ModuleLayout layout : {ModuleLayout::Royl, ModuleLayout::Legacy32, ModuleLayout::Legacy28}) {
        const Bytes image = ModuleBuilder(layout).step(0xDC, 0).step(0x100, 1).step(0x8001).capacity(6).build();
        const ParsedScript p = parse(image);
        EXPECT_EQ(p.layout, layout);
        EXPECT_EQ(p.recordSize, layoutInfo(layout).defaultRecordSize);
        EXPECT_EQ(p.maxStepCount, 6);
        ASSERT_EQ(p.rows.size(), 3u);
        EXPECT_EQ(p.rows[0].caption, "DC");
        EXPECT_EQ(p.rows[0].description, "Delay");
        EXPECT_EQ(p.rows[1].caption, "100");
        EXPECT_EQ(p.rows[1].description, "Long id");
        EXPECT_EQ(p.rows[2].caption, "8001");
        EXPECT_EQ(p.rows[2].description, "Host one");
        EXPECT_EQ(p.rows[0].icon, StepIcon::Passed);
        EXPECT_EQ(p.rows[1].icon, StepIcon::Failed);
        EXPECT_EQ(p.rows[2].icon, StepIcon::NoResult);
    }
}

TEST(ParseScript, Legacy28TakesTheIconFrom0x54AndThePtmTimeFromTheFirstRecord)
{
    ModuleBuilder b(ModuleLayout::Legacy28);
    StepRecord r = b.record(0x1234, 0);
    r.setU16(0x68, 0x0001); // would mean failed in the other layouts
    r.setU16(0x02, 0x0005);
    const ParsedScript p = parse(b.step(r).build());
    ASSERT_EQ(p.rows.size(), 1u);
    EXPECT_EQ(p.rows[0].icon, StepIcon::Passed);
    // The header's last field shares bytes 28..31 with the first record.
    EXPECT_EQ(p.header.ptmStartTime, 0x00051234u);
}

TEST(ParseScript, CurrentStepChoice)
{
    const struct {
        std::uint16_t header;
        int row;
    } cases[] = {{0, 0}, {1, 0}, {3, 2}, {4, 0}, {0xFFFF, 0}};
    for (const auto& c : cases) {
        const ParsedScript p = parse(ModuleBuilder().currentStep(c.header).step(1).step(2).step(3).build());
        EXPECT_EQ(p.currentRow, c.row) << c.header;
    }
}

TEST(ParseScript, ARecordThatDoesNotFitIsNotListed)
{
    Bytes image = ModuleBuilder().step(0xDC).step(0xDD).capacity(2).build();
    image.pop_back();
    const ParsedScript p = parse(image);
    EXPECT_EQ(p.rows.size(), 1u);
    EXPECT_EQ(p.maxStepCount, 1);
}

TEST(ParseScript, FirstTestIdZeroGivesAnEmptyList)
{
    const ParsedScript p = parse(ModuleBuilder().capacity(3).build());
    EXPECT_TRUE(p.rows.empty());
    EXPECT_EQ(p.currentRow, 0);
}

TEST(ParseScript, ShortImagesFailWithStreamReadError)
{
    const Bytes royl = ModuleBuilder().capacity(0).build();
    ASSERT_EQ(royl.size(), 56u);
    EXPECT_EQ(errorOf(Bytes(royl.begin(), royl.begin() + 55)), "Stream read error");
    EXPECT_EQ(errorOf(Bytes(royl.begin(), royl.begin() + 3)), "Stream read error");
    EXPECT_EQ(errorOf(Bytes{'x', 'y', 'z', 'w', 0, 0}), "Stream read error");
    EXPECT_EQ(errorOf(royl), "");
}

TEST(ParseScript, EveryTruncationEitherParsesOrFailsCleanly)
{
    for (ModuleLayout layout : {ModuleLayout::Royl, ModuleLayout::Legacy32, ModuleLayout::Legacy28}) {
        const Bytes full = ModuleBuilder(layout).step(0xDC).step(0xDD).step(0xDE).build();
        const std::size_t header = layoutInfo(layout).headerOffset + kScriptHeaderSize;
        for (std::size_t n = full.size(); n > 0; --n) {
            const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
            // A cut before the header's end fails; any later cut drops the records it splits.
            EXPECT_EQ(errorOf(cut), n < header ? "Stream read error" : "") << layoutName(layout) << " " << n;
        }
    }
}

TEST(ParseScript, RecordSizesThatCannotHoldTheErrorCodeAreRefused)
{
    EXPECT_EQ(errorOf(ModuleBuilder().headerRecordSize(105).step(1).build()), "Unsupported record size 105");
    EXPECT_EQ(errorOf(ModuleBuilder().headerRecordSize(106).step(1).build()), "");
    EXPECT_EQ(errorOf(ModuleBuilder(ModuleLayout::Legacy28).headerRecordSize(85).step(1).build()),
              "Unsupported record size 85");
    EXPECT_EQ(errorOf(ModuleBuilder(ModuleLayout::Legacy28).headerRecordSize(86).step(1).build()), "");
    const ParsedScript big = parse(ModuleBuilder().headerRecordSize(0xFFFF).step(1).capacity(1).build());
    EXPECT_EQ(big.recordSize, 0xFFFF);
    EXPECT_EQ(big.rows.size(), 1u);
}

TEST(ParseScript, RowsOfOneTestShareTheTextOfTheirDescription)
{
    const ParsedScript p = parse(ModuleBuilder().step(0xDC).step(0x100).step(0xDC).step(0xDC).build());
    ASSERT_EQ(p.rows.size(), 4u);
    EXPECT_EQ(p.rows[3].description, "Delay");
    EXPECT_EQ(p.rows[0].description.str().data(), p.rows[2].description.str().data());
    EXPECT_EQ(p.rows[0].description.str().data(), p.rows[3].description.str().data());
    EXPECT_NE(p.rows[0].description.str().data(), p.rows[1].description.str().data());
}
