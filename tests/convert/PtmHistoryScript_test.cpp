#include "support/GeneratorFixture.h"

#include "convert/PtmHistoryScript.h"

using namespace pst;
using namespace pst::test;

namespace {

class PtmHistoryScript : public GeneratorFixture {
protected:
    bool runPtm() { return runCommand(&miCreateScriptfromDVTPTMHistoryClick); }
};

// Two entries placed by hand at the offsets the layout dictates, then the end.
struct EntryPlacement {
    ModuleLayout layout;
    std::size_t first;
    std::size_t second;
};

class PtmHistoryPlacement : public PtmHistoryScript, public ::testing::WithParamInterface<EntryPlacement> {};

} // namespace

TEST_P(PtmHistoryPlacement, ReadsEntriesFromTheDataOffset)
{
    const EntryPlacement& p = GetParam();
    Bytes module(p.second + 2 * 192, kFill);
    if (p.layout == ModuleLayout::Royl) {
        putU32(module, 0, kRoylMagic);
        putU16(module, 6, 0x30);
    } else {
        putU32(module, 0, 0x12345678);
    }
    putU16(module, p.first + 8, 0x1234);
    putU16(module, p.second + 8, 0x5678);
    putU16(module, p.second + 192 + 8, 0);
    loadScript(1);
    offer(0x1100, module);

    ASSERT_TRUE(runPtm());

    EXPECT_EQ(captions(), (std::vector<std::string>{"10", "1234", "5678"}));
}

INSTANTIATE_TEST_SUITE_P(, PtmHistoryPlacement, ::testing::Values(
    EntryPlacement{ModuleLayout::Royl, 82, 274},
    EntryPlacement{ModuleLayout::Legacy28, 58, 250}));

TEST_F(PtmHistoryScript, EachEntryBecomesASelfLinkedStep)
{
    loadScript(1);
    editor.selectRow(StepList::kNone);
    host.dialogs.clear();
    offer(0x1100, ptmHistoryModule(ModuleLayout::Royl, {
        {0x00DC, 3, {0x11, 0x22, 0x33, 0x44}},
        {0x8010, 0, {0xAABBCCDD, 0, 0, 0xFFFFFFFF}},
        {0x0007, 1, {0, 0, 0, 0}},
    }));

    ASSERT_TRUE(runPtm());

    EXPECT_EQ(captions(), (std::vector<std::string>{"DC", "8010", "07", "10"}));
    const std::vector<Links> expected = {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {0, 0, 0}};
    EXPECT_EQ(links(), expected);
    const StepRecord& first = record(0);
    EXPECT_EQ(first.testArg(), 3);
    EXPECT_EQ(first.param(1), 0x11u);
    EXPECT_EQ(first.param(4), 0x44u);
    EXPECT_EQ(first.param(5), 0u); // P5..P16 stay 0, not the fill
    EXPECT_EQ(first.param(16), 0u);
    EXPECT_EQ(first.postAction(), 2u);
    EXPECT_EQ(first.errorCode(ModuleLayout::Royl), 0xFFFF);
    const StepRecord& second = record(1);
    EXPECT_EQ(second.testArg(), 0); // no correction to 1
    EXPECT_EQ(second.param(1), 0xAABBCCDDu);
    EXPECT_EQ(second.param(4), 0xFFFFFFFFu);
    // The Desc entry under the four-digit key, not HOST_SEQ.
    EXPECT_EQ(editor.steps().row(1).description, "Desc of 8010");
    EXPECT_EQ(editor.steps().row(2).description, "Seven");
    EXPECT_EQ(selected(), 2); // the last generated step
    EXPECT_EQ(editor.recordBuffer().bytes(), record(2).data());
    ASSERT_EQ(host.dialogs.size(), 1u);
    EXPECT_EQ(host.dialogs[0].filter, "Module 1100|*1100*.rpm|All|*.*");
}

TEST_F(PtmHistoryScript, BlockGoesBehindTheSelectedRow)
{
    loadScript(4);
    editor.selectRow(1);
    offer(0x1100, ptmHistoryModule(ModuleLayout::Legacy32, {{0xA1, 1, {}}, {0xA2, 1, {}}}));

    ASSERT_TRUE(runPtm());

    EXPECT_EQ(captions(), (std::vector<std::string>{"10", "11", "A1", "A2", "12", "13"}));
    EXPECT_EQ(selected(), 3);
}

TEST_F(PtmHistoryScript, AHistoryWithoutItsEndFailsAndKeepsItsSteps)
{
    loadScript(1);
    offer(0x1100, ptmHistoryModule(ModuleLayout::Royl, {{0xA1, 1, {}}, {0xA2, 1, {}}}, false));

    EXPECT_FALSE(runPtm());

    EXPECT_EQ(host.errors, std::vector<std::string>{"Stream read error"});
    EXPECT_EQ(captions(), (std::vector<std::string>{"10", "A1", "A2"}));
}

TEST_F(PtmHistoryScript, ADataOffsetPastTheEndFails)
{
    loadScript(1);
    Bytes module(300, kFill);
    putU32(module, 0, kRoylMagic);
    putU16(module, 6, 0xFFFF);
    offer(0x1100, module);

    EXPECT_FALSE(runPtm());

    EXPECT_EQ(host.errors, std::vector<std::string>{"Stream read error"});
    EXPECT_EQ(editor.steps().size(), 1);
}

TEST_F(PtmHistoryScript, CancelEmptyFileOrNoScriptModuleChangeNothing)
{
    ASSERT_TRUE(runPtm()); // no script module, dialog cancelled
    offer(0x1100, ptmHistoryModule(ModuleLayout::Royl, {{0xA1, 1, {}}}));
    ASSERT_TRUE(runPtm()); // no script module
    EXPECT_TRUE(editor.steps().empty());

    loadScript(2);
    const std::vector<StepRow> before = editor.steps().rows();
    offer(0x1100, Bytes{});
    ASSERT_TRUE(runPtm());
    host.moduleFiles.clear();
    ASSERT_TRUE(runPtm());
    EXPECT_EQ(editor.steps().rows(), before);
    EXPECT_TRUE(host.errors.empty());
}

// Damaged histories: a data offset of 0, a history that starts or ends
// exactly at the end of the file, files too short for the fields that place
// it. Each gives its steps or "Stream read error" with the steps so far kept.
TEST_F(PtmHistoryScript, DamagedHistoriesGiveTheirStepsOrStopCleanly)
{
    struct Case {
        const char* name;
        Bytes module;
        bool fails;
        std::vector<std::string> captions;
    };
    const auto cut = [](Bytes b, std::size_t n) {
        b.resize(n);
        return b;
    };
    const Bytes one = ptmHistoryModule(ModuleLayout::Royl, {{0xA1, 1, {}}}, true, 0x30);
    const std::size_t end = 0x30 + 34 + 192; // where the terminating entry starts
    const Case cases[] = {
        {"data offset 0", ptmHistoryModule(ModuleLayout::Royl, {{0xA1, 1, {}}}, true, 0), false, {"A1", "10"}},
        {"terminating entry cut behind its read part", cut(one, end + 28), false, {"A1", "10"}},
        {"terminating entry cut inside its read part", cut(one, end + 27), true, {"A1", "10"}},
        {"history starting at the very end", cut(one, 0x30 + 34), true, {"10"}},
        {"magic only", cut(one, 4), true, {"10"}},
        {"legacy file shorter than its data offset", Bytes{'M', 'O', 'D', 0, 0}, true, {"10"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        loadScript(1);
        editor.selectRow(StepList::kNone);
        host.errors.clear();
        offer(0x1100, c.module);
        EXPECT_EQ(runPtm(), !c.fails);
        EXPECT_EQ(host.errors, c.fails ? std::vector<std::string>{"Stream read error"} : std::vector<std::string>{});
        EXPECT_EQ(captions(), c.captions);
    }
}
