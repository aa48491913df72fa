#include "support/GeneratorFixture.h"

#include "convert/ArcoScript.h"
#include "model/ModuleImage.h"

using namespace pst;
using namespace pst::test;

namespace {

constexpr std::uint16_t X = 0xFFFF;

const std::vector<std::uint16_t> kArcoModules = {0x2020, 0x2050, 0x2030, 0x2010, 0x20C0,
                                                 0x2000, 0x2060, 0x2040, 0x2070, 0x20B0};

class ArcoScript : public GeneratorFixture {
protected:
    bool runArco() { return runCommand(&miCreateARCOScriptClick); }

    // Every ARCO module with its block at `offset`, coded 0x50 + its index.
    void offerArcoModules(std::size_t offset, ModuleLayout layout = ModuleLayout::Royl)
    {
        for (std::size_t i = 0; i < kArcoModules.size(); ++i)
            offer(kArcoModules[i], arcoModule(layout, offset, static_cast<std::uint8_t>(0x50 + i)));
    }

    Links linksOf(int row) const
    {
        const StepRecord& r = record(row);
        return {r.link(0), r.link(1), r.link(2)};
    }
};

} // namespace

TEST_F(ArcoScript, SeriesATakesThePlaceOfTheSelectedRow)
{
    loadScript(5);
    editor.selectRow(2);
    host.dialogs.clear();
    confirm(0x2403);
    offer(0x47, module47(ModuleLayout::Royl, 0x1234));

    ASSERT_TRUE(runArco());

    const std::vector<std::string> expected = {"10",   "11",   "2403", "2404", "2403", "2420", "2407",
                                               "2408", "2409", "DC",   "12",   "13",   "14"};
    EXPECT_EQ(captions(), expected);
    EXPECT_EQ(selected(), 9); // A8
    struct Expected {
        std::uint16_t testArg;
        std::uint32_t p1, p2, p3, p4, p5, postAction;
        bool errorsGoOn;
    };
    const Expected table[7] = {
        {1, 0x6F, 0x19, 0x34, 0x12, 0x1C00FE, 0, false},  {1, 0x6A, 0x19, 0x34, 0x12, 0x1FFC00, 0, false},
        {1, 0x6F, 0x19, 0x34, 0x12, 0x1C00FE, 0, false},  {0x90, 0x90, 0x80200000, 0, 0, 0, 0, false},
        {1, 0x46, 0x19, 0x34, 0x12, 0, 2, true},          {1, 0x70, 0x19, 0x34, 0x12, 0, 0, true},
        {1, 0x4A, 0x19, 0x34, 0x12, 0, 2, true},
    };
    for (int i = 0; i < 7; ++i) {
        const int row = 2 + i;
        const StepRecord& r = record(row);
        const Expected& e = table[i];
        SCOPED_TRACE(editor.steps().row(row).caption);
        EXPECT_EQ(r.testArg(), e.testArg);
        EXPECT_EQ(r.param(1), e.p1);
        EXPECT_EQ(r.param(2), e.p2);
        EXPECT_EQ(r.param(3), e.p3);
        EXPECT_EQ(r.param(4), e.p4);
        EXPECT_EQ(r.param(5), e.p5);
        EXPECT_EQ(r.param(6), 0u);
        EXPECT_EQ(r.postAction(), e.postAction);
        const auto next = static_cast<std::uint16_t>(row + 2);
        EXPECT_EQ(linksOf(row), (Links{next, e.errorsGoOn ? next : X, e.errorsGoOn ? next : X}));
    }
    EXPECT_EQ(editor.steps().row(2).description, "6F - Read ARCO");
    EXPECT_EQ(editor.steps().row(3).description, "6A - ");
    EXPECT_EQ(record(9).testId(), 0xDC);
    EXPECT_EQ(editor.steps().row(9).description, "Delay");
    EXPECT_EQ(shownFilters(), (std::vector<std::string>{"Module 2403|*2403*.rpm|All|*.*", "Module 47|*47*.rpm|All|*.*"}));
}

TEST_F(ArcoScript, SeriesAWithoutModule47HasNoWord)
{
    loadScript(1);
    confirm(0x2403);
    offer(0x47, module47(ModuleLayout::Legacy32, 0x1234));
    ASSERT_TRUE(runArco());
    EXPECT_EQ(record(0).param(3), 0x34u); // legacy: the word at offset 20
    EXPECT_EQ(record(0).param(4), 0x12u);

    loadScript(1);
    host.moduleFiles.erase(0x47);
    ASSERT_TRUE(runArco());
    EXPECT_EQ(editor.steps().size(), 9);
    EXPECT_EQ(record(0).param(3), 0u);
    EXPECT_EQ(record(0).param(4), 0u);
}

TEST_F(ArcoScript, SeriesBWithEveryModuleGiven)
{
    loadScript(5);
    editor.selectRow(0);
    host.dialogs.clear();
    offer(0x21, driveTypeModule(ModuleLayout::Royl, 120));
    offerArcoModules(155);

    ASSERT_TRUE(runArco());

    const std::vector<std::string> expected = {"C4", "C4", "C4", "DC", "C3", "DC", "C8", "290B", "C4", "C4",
                                               "C4", "C4", "C4", "DC", "10", "11", "12", "13", "14"};
    EXPECT_EQ(captions(), expected);
    EXPECT_EQ(selected(), 0);
    // Rows in table order, each with the code of its module's block.
    const std::uint8_t codes[] = {0x50, 0x51, 0x50, 0, 0x52, 0, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59};
    for (int row = 0; row < 13; ++row) {
        if (codes[row] == 0)
            continue;
        const StepRecord& r = record(row);
        SCOPED_TRACE(row);
        const auto block = arcoBlock(codes[row]);
        EXPECT_TRUE(std::equal(block.begin(), block.end(), r.bytes().begin() + 4));
        EXPECT_EQ(r.testArg(), 1);
        EXPECT_EQ(r.postAction(), 2u);
        const auto next = static_cast<std::uint16_t>(row + 2);
        EXPECT_EQ(linksOf(row), (Links{next, next, next}));
        EXPECT_EQ(editor.steps().row(row).description, hex2(codes[row]) + " - ");
    }
    EXPECT_EQ(editor.steps().row(9).description, "56 - ");
    // The dialogs: question, module 21, then the modules in row order.
    std::vector<std::string> filters = {moduleFilter(0x2403), moduleFilter(0x21)};
    for (std::uint16_t id : {0x2020, 0x2050, 0x2020, 0x2030, 0x2010, 0x20C0, 0x2000, 0x2060, 0x2040, 0x2070, 0x20B0})
        filters.push_back(moduleFilter(static_cast<std::uint16_t>(id)));
    EXPECT_EQ(shownFilters(), filters);
    EXPECT_EQ(host.dialogs[2].filter, "Module 2020|*2020*.rpm|All|*.*");
}

TEST_F(ArcoScript, SeriesBWithEveryModuleCancelledKeepsOnlyTheFixedRows)
{
    loadScript(2);
    editor.selectRow(1);

    ASSERT_TRUE(runArco());

    EXPECT_EQ(captions(), (std::vector<std::string>{"10", "DC", "DC", "DC", "11"}));
    EXPECT_EQ(selected(), 0);
    for (int row : {1, 2}) {
        const StepRecord& r = record(row);
        EXPECT_EQ(r.testArg(), 2);
        EXPECT_EQ(r.param(1), 1u);
        EXPECT_EQ(r.param(2), 2u);
        EXPECT_EQ(r.param(3), 0xCBFFFFu);
        EXPECT_EQ(r.param(4), 1u);
        EXPECT_EQ(linksOf(row), (Links{X, X, static_cast<std::uint16_t>(row + 2)}));
    }
    const StepRecord& end = record(3);
    EXPECT_EQ(end.testArg(), 1);
    EXPECT_EQ(end.param(2), 1u);
    EXPECT_EQ(end.param(3), 0xAu);
    EXPECT_EQ(end.param(4), 1u);
    EXPECT_EQ(linksOf(3), (Links{X, X, 5}));
    EXPECT_EQ(editor.steps().row(3).description, "Delay");
}

// Where the block is read, by layout, drive type code and byte 147.
struct OffsetCase {
    ModuleLayout layout;
    std::uint16_t code;
    Byte byte147;
    std::size_t offset;
};

class ArcoBlockOffsets : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(ArcoBlockOffsets, FollowTheTable)
{
    const OffsetCase& c = GetParam();
    Bytes bytes = arcoModule(c.layout, 200, 0x11);
    bytes[147] = c.byte147;
    ModuleImage module(bytes);
    EXPECT_EQ(ArcoBlockOffset(module, c.code), c.offset);
}

INSTANTIATE_TEST_SUITE_P(, ArcoBlockOffsets, ::testing::Values(
    OffsetCase{ModuleLayout::Royl, 120, 0, 155}, OffsetCase{ModuleLayout::Royl, 141, 0, 155},
    OffsetCase{ModuleLayout::Royl, 122, 0, 147}, OffsetCase{ModuleLayout::Royl, 143, 0, 147},
    OffsetCase{ModuleLayout::Royl, 151, 0, 148}, OffsetCase{ModuleLayout::Royl, 168, 0, 148},
    OffsetCase{ModuleLayout::Royl, 144, 0, 158}, OffsetCase{ModuleLayout::Royl, 165, 0, 158},
    OffsetCase{ModuleLayout::Royl, 0, 0, 177}, OffsetCase{ModuleLayout::Royl, 0, 7, 147},
    OffsetCase{ModuleLayout::Royl, 121, 7, 147}, OffsetCase{ModuleLayout::Legacy28, 120, 0, 141},
    OffsetCase{ModuleLayout::Legacy32, 0, 0, 141}));

TEST_F(ArcoScript, TheDriveTypeCodeIsTheWordAtModule21sDataOffset)
{
    loadScript(1);
    Bytes m21 = driveTypeModule(ModuleLayout::Royl, 120, 0x40);
    putU16(m21, 12, 143); // the checksum field carries no drive type
    offer(0x21, m21);
    Bytes m2020 = arcoModule(ModuleLayout::Royl, 155, 0x5A);
    m2020[147] = 0x33; // a block read at 147 would start with 0x33
    offer(0x2020, m2020);

    ASSERT_TRUE(runArco());

    EXPECT_EQ(record(0).param(1) & 0xFF, 0x5Au);
    EXPECT_EQ(editor.steps().row(0).description, "5A - Write ARCO");
}

TEST_F(ArcoScript, ALegacyModuleIsReadAt141AndCodeZeroFallsBackTo177)
{
    loadScript(1);
    offer(0x2050, arcoModule(ModuleLayout::Legacy28, 141, 0x61));
    offer(0x2030, arcoModule(ModuleLayout::Royl, 177, 0x62)); // byte 147 is 0

    ASSERT_TRUE(runArco()); // module 21 cancelled: code 0

    EXPECT_EQ(captions(), (std::vector<std::string>{"C4", "DC", "C3", "DC", "DC", "10"}));
    EXPECT_EQ(record(0).param(1), 0x03020161u);
    EXPECT_EQ(record(2).param(1), 0x03020162u);
}

TEST_F(ArcoScript, AShortModuleStopsTheSeriesAndKeepsWhatWasInserted)
{
    loadScript(1);
    editor.selectRow(StepList::kNone);
    offer(0x21, driveTypeModule(ModuleLayout::Royl, 120));
    offer(0x2020, arcoModule(ModuleLayout::Royl, 155, 0x50));
    offer(0x2030, arcoModule(ModuleLayout::Royl, 155, 0x52, 155 + 63));

    EXPECT_FALSE(runArco());

    EXPECT_EQ(host.errors, std::vector<std::string>{"Stream read error"});
    EXPECT_EQ(captions(), (std::vector<std::string>{"C4", "C4", "DC", "10"}));
}

TEST_F(ArcoScript, ShortModules47And21Fail)
{
    loadScript(1);
    confirm(0x2403);
    Bytes m47 = module47(ModuleLayout::Royl, 1);
    m47.resize(47);
    offer(0x47, m47);
    EXPECT_FALSE(runArco());
    EXPECT_EQ(editor.steps().size(), 1);

    host.moduleFiles.erase(0x2403);
    Bytes m21(0x20, kFill);
    putU32(m21, 0, kRoylMagic);
    putU16(m21, 6, 0x1000); // data offset past the end
    offer(0x21, m21);
    EXPECT_FALSE(runArco());
    EXPECT_EQ(host.errors, (std::vector<std::string>{"Stream read error", "Stream read error"}));
    EXPECT_EQ(editor.steps().size(), 1);
}

TEST_F(ArcoScript, WithoutAScriptModuleNothingHappens)
{
    confirm(0x2403);
    ASSERT_TRUE(runArco());
    EXPECT_TRUE(editor.steps().empty());
    EXPECT_TRUE(host.dialogs.empty());
}

TEST_F(ArcoScript, AddArco1MovesTheSelectionUp)
{
    loadScript(3);
    editor.selectRow(2);
    AddARCO1Click(editor);
    EXPECT_EQ(selected(), 1);
    editor.selectRow(0);
    AddARCO1Click(editor);
    EXPECT_EQ(selected(), StepList::kNone);
    AddARCO1Click(editor);
    EXPECT_EQ(selected(), StepList::kNone);
}

// Damaged modules 21 and 2020: a drive type field that is its own data
// offset, files that end at the field to be read. Each gives its rows or
// "Stream read error" with nothing inserted before the failing read.
TEST_F(ArcoScript, DamagedModulesGiveTheirRowsOrStopCleanly)
{
    struct Case {
        const char* name;
        Bytes module21;
        Bytes module2020;
        bool fails;
        std::vector<std::string> captions;
    };
    const Bytes selfPointing = driveTypeModule(ModuleLayout::Royl, 6, 6); // data offset 6 holds the code 6
    const Case cases[] = {
        {"module 21 of the magic only", Bytes{'R', 'O', 'Y', 'L'}, arcoModule(ModuleLayout::Royl, 177, 0x5A), true, {"10"}},
        {"drive type code at its own data offset", selfPointing, arcoModule(ModuleLayout::Royl, 177, 0x5A), false,
         {"C4", "C4", "DC", "DC", "DC", "10"}},
        {"module 2020 ending at the probe byte", selfPointing, arcoModule(ModuleLayout::Royl, 177, 0x5A, 147), true,
         {"10"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.moduleFiles.clear();
        loadScript(1);
        editor.selectRow(StepList::kNone);
        host.errors.clear();
        offer(0x21, c.module21);
        offer(0x2020, c.module2020);
        EXPECT_EQ(runArco(), !c.fails);
        EXPECT_EQ(host.errors, c.fails ? std::vector<std::string>{"Stream read error"} : std::vector<std::string>{});
        EXPECT_EQ(captions(), c.captions);
        if (!c.fails) {
            EXPECT_EQ(record(0).param(1) & 0xFF, 0x5Au); // read at 177: byte 147 is 0
        }
    }
}
