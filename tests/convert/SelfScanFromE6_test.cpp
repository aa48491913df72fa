#include "support/GeneratorFixture.h"

#include "convert/SelfScanFromE6.h"

using namespace pst;
using namespace pst::test;

namespace {

const std::vector<std::uint16_t> kQuestions = {0x3307, 0x1010, 0x3415, 0x3421, 0x3422, 0x3423, 0x3426};

class SelfScanFromE6 : public GeneratorFixture {
protected:
    bool runE6() { return runCommand(&miCreateSelfscanScriptfromE6Click); }

    void expectEndRuleAndClearedLogs() const
    {
        const int n = editor.steps().size();
        for (int i = 0; i < n; ++i) {
            const StepRecord& r = record(i);
            EXPECT_EQ((Links{r.link(0), r.link(1), r.link(2)}), endRuleLinks(i, n)) << "row " << i;
            EXPECT_EQ(r.errorCode(editor.layout()), 0xFFFF) << "row " << i;
        }
    }
};

} // namespace

TEST_F(SelfScanFromE6, EveryQuestionCancelledGivesTheFixedFrameAroundTheTests)
{
    loadScript(2);
    editor.selectRow(StepList::kNone);
    host.dialogs.clear();
    offer(0xE6, E6ModuleBuilder().test(e6Test(0x0007, 0)).test(e6Test(0x8012, 5)).test(e6Test(0x34D6)).build());

    ASSERT_TRUE(runE6());

    const std::vector<std::string> expected = {"B1", "B1", "D8", "7", "8012", "34D6", "B9", "DC", "DC", "DC", "10", "11"};
    EXPECT_EQ(captions(), expected);
    EXPECT_EQ(selected(), 0);
    expectEndRuleAndClearedLogs();
    // The module E6 dialog first, then every question in table order.
    ASSERT_EQ(host.dialogs.size(), 1 + kQuestions.size());
    EXPECT_EQ(host.dialogs[0].purpose, DialogPurpose::ReadModule);
    EXPECT_EQ(host.dialogs[0].filter, "Module E6|*E6*.rpm|All|*.*");
    for (std::size_t i = 0; i < kQuestions.size(); ++i) {
        const ShownDialog& d = host.dialogs[i + 1];
        EXPECT_EQ(d.purpose, DialogPurpose::ConfirmModule);
        EXPECT_EQ(d.moduleId, kQuestions[i]);
        EXPECT_EQ(d.filter, moduleFilter(kQuestions[i]));
        EXPECT_EQ(d.fileName, "");
    }
    EXPECT_EQ(editor.openDialogState().filter, "All|*.*");
    EXPECT_EQ(editor.openDialogState().fileName, "");
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(SelfScanFromE6, CopiedTestsKeepTheirFieldsWithArgumentAndPostActionRules)
{
    loadScript(1);
    editor.selectRow(StepList::kNone);
    E6ModuleBuilder e6;
    const std::vector<std::uint16_t> postActionIds = {0xB9,   0xBA,   0xBB,   0xBC,   0xD2,   0xD5,   0x3300, 0x3301,
                                                      0x3305, 0x34D1, 0x34D2, 0x34D3, 0x34D4, 0x34D5, 0x34D6};
    for (std::uint16_t id : postActionIds)
        e6.test(e6Test(id, 2));
    e6.test(e6Test(0x34D7, 0, {0x11111111, 0x22, 0x33}));
    e6.test(e6Test(0x0007, 5));
    e6.test(e6Test(0x8012, 0));
    offer(0xE6, e6.build());

    ASSERT_TRUE(runE6());

    const int first = 3; // behind B1, B1, D8
    for (std::size_t i = 0; i < postActionIds.size(); ++i)
        EXPECT_EQ(record(first + static_cast<int>(i)).postAction(), 2u) << hex2(postActionIds[i]);
    const int rest = first + static_cast<int>(postActionIds.size());
    const StepRecord& plain = record(rest);
    EXPECT_EQ(plain.testId(), 0x34D7);
    EXPECT_EQ(plain.testArg(), 1); // 0 becomes 1
    EXPECT_EQ(plain.postAction(), 0u);
    EXPECT_EQ(plain.param(1), 0x11111111u);
    EXPECT_EQ(plain.param(3), 0x33u);
    EXPECT_EQ(record(rest + 1).testArg(), 5);
    EXPECT_EQ(editor.steps().row(rest + 1).caption, "7");
    EXPECT_EQ(editor.steps().row(rest + 1).description, "Seven");
    // A host sequence is described from HOST_SEQ.
    EXPECT_EQ(editor.steps().row(rest + 2).caption, "8012");
    EXPECT_EQ(editor.steps().row(rest + 2).description, "Host 8012");
}

TEST_F(SelfScanFromE6, EveryQuestionConfirmedBehindTheFifthOfTenRows)
{
    loadScript(10);
    editor.selectRow(4);
    offer(0xE6, E6ModuleBuilder(ModuleLayout::Legacy28).test(e6Test(0x0007)).build());
    for (std::uint16_t id : kQuestions)
        confirm(id);

    ASSERT_TRUE(runE6());

    const std::vector<std::string> expected = {"10",   "11", "12", "13", "14", "3307", "1010", "3415", "B1",
                                               "B1",   "D8", "3421", "7", "3422", "3423", "3426", "B9", "DC",
                                               "DC",   "DC", "15",   "16", "17", "18", "19"};
    EXPECT_EQ(captions(), expected);
    EXPECT_EQ(selected(), 0);
    expectEndRuleAndClearedLogs();
    EXPECT_EQ(editor.steps().row(5).description, "Format");

    const StepRecord& format = record(5);
    const std::uint32_t formatParams[16] = {0xFFFF, 8, 0x3FF, 0, 1, 0x3FF, 1, 1, 1, 0xF, 0x3FF, 0x3FF, 0x3FF, 0x3FF, 0x3FF, 0x3FF};
    for (int k = 1; k <= 16; ++k)
        EXPECT_EQ(format.param(k), formatParams[k - 1]) << "P" << k;
    EXPECT_EQ(format.postAction(), 2u);
    EXPECT_EQ(record(8).testArg(), 0);
    EXPECT_EQ(record(8).param(15), 2u);
    EXPECT_EQ(record(9).param(15), 1u);
    EXPECT_EQ(record(11).param(1), 0x2001u);
    EXPECT_EQ(record(11).param(14), 0x10u);
    const std::uint32_t p3423[16] = {0, 1, 2, 1, 2, 0, 0x10, 0, 1, 0, 1, 0, 3, 0, 0, 0};
    for (int k = 1; k <= 16; ++k)
        EXPECT_EQ(record(14).param(k), p3423[k - 1]) << "3423 P" << k;
    EXPECT_EQ(record(15).postAction(), 2u);
    EXPECT_EQ(record(16).param(1), 0x1291u);
    EXPECT_EQ(record(16).param(2), 0u); // not the template's
    EXPECT_EQ(record(16).param(13), 1u);
    for (int i = 0; i < 3; ++i) {
        const StepRecord& dc = record(17 + i);
        EXPECT_EQ(dc.testId(), 0xDC);
        EXPECT_EQ(dc.param(3), 0xCBFFFFu);
        EXPECT_EQ(dc.param(4), static_cast<std::uint32_t>(2 + 2 * i));
    }
}

// How many tests are copied when the list ends early or N disagrees with the file.
struct CopyCase {
    const char* name;
    std::uint32_t count;
    int records;
    std::size_t tail;
    bool firstIdZero;
    int copied;
};

class SelfScanFromE6Copy : public SelfScanFromE6, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(SelfScanFromE6Copy, CopiesWhatTheStopRulesAllow)
{
    const CopyCase& c = GetParam();
    loadScript(1);
    E6ModuleBuilder e6;
    e6.count(c.count).tail(c.tail);
    for (int i = 0; i < c.records; ++i)
        e6.test(e6Test(c.firstIdZero && i == 0 ? 0 : static_cast<std::uint16_t>(0x200 + i)));
    offer(0xE6, e6.build());

    ASSERT_TRUE(runE6());

    // The loaded step, the four fixed lead steps and the four fixed tail steps.
    EXPECT_EQ(editor.steps().size(), 1 + 3 + c.copied + 4);
    for (int i = 0; i < c.copied; ++i)
        EXPECT_EQ(record(4 + i).testId(), 0x200 + i);
}

INSTANTIATE_TEST_SUITE_P(, SelfScanFromE6Copy, ::testing::Values(
    CopyCase{"CountZero", 0, 3, 0, false, 0},
    CopyCase{"FirstIdZero", 3, 3, 0, true, 0},
    CopyCase{"CountBelowRecords", 2, 3, 100, false, 2},
    CopyCase{"CountTooLargeEndOfFile", 10, 3, 0, false, 3},
    CopyCase{"CountTooLargeLastBytes", 10, 3, 24, false, 3},
    CopyCase{"CountAllOnes", 0xFFFFFFFFu, 3, 0, false, 3}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(SelfScanFromE6, LowByteZeroInTheFirstWordChangesNothing)
{
    loadScript(3);
    const std::vector<StepRow> before = editor.steps().rows();
    offer(0xE6, E6ModuleBuilder().firstWord(0x100).test(e6Test(0x7)).build());
    confirm(0x3307);

    ASSERT_TRUE(runE6());

    EXPECT_EQ(editor.steps().rows(), before);
    EXPECT_EQ(host.dialogs.back().moduleId, 0xE6); // no question asked
}

// Nothing generated, but the logs are cleared and the END rule applied.
class SelfScanFromE6NoBlock : public SelfScanFromE6, public ::testing::WithParamInterface<int> {};

TEST_P(SelfScanFromE6NoBlock, StillClearsTheLogsAndSetsTheEndLinks)
{
    loadScript(5);
    switch (GetParam()) {
    case 0: break; // E6 cancelled
    case 1: offer(0xE6, Bytes{}); break;
    case 2: offer(0xE6, E6ModuleBuilder().entry(71, 0).test(e6Test(0x7)).build()); break;
    }

    ASSERT_TRUE(runE6());

    EXPECT_EQ(captions(), (std::vector<std::string>{"10", "11", "12", "13", "14"}));
    expectEndRuleAndClearedLogs();
    EXPECT_EQ(host.dialogs.back().moduleId, 0xE6);
}

INSTANTIATE_TEST_SUITE_P(, SelfScanFromE6NoBlock, ::testing::Values(0, 1, 2));

TEST_F(SelfScanFromE6, WithoutAScriptModuleNothingIsGenerated)
{
    offer(0xE6, E6ModuleBuilder().test(e6Test(0x7)).build());
    ASSERT_TRUE(runE6());
    EXPECT_TRUE(editor.steps().empty());
    EXPECT_EQ(host.dialogs.size(), 1u);
}

TEST_F(SelfScanFromE6, AFileShorterThanTheBlockTableFailsBeforeAnyStep)
{
    loadScript(2);
    Bytes e6 = E6ModuleBuilder().test(e6Test(0x7)).build();
    e6.resize(511);
    offer(0xE6, e6);

    EXPECT_FALSE(runE6());

    EXPECT_EQ(host.errors, std::vector<std::string>{"Stream read error"});
    EXPECT_EQ(editor.steps().size(), 2);
    EXPECT_EQ(record(0).errorCode(editor.layout()), 0); // no log clearing
}

TEST_F(SelfScanFromE6, ARecordRunningPastTheEndKeepsTheStepsWithProvisionalLinks)
{
    loadScript(1);
    editor.selectRow(StepList::kNone);
    // Two whole records, then 40 bytes: the third read runs past the end.
    offer(0xE6, E6ModuleBuilder().count(5).test(e6Test(0x7)).test(e6Test(0x8)).tail(40).build());

    EXPECT_FALSE(runE6());

    EXPECT_EQ(host.errors, std::vector<std::string>{"Stream read error"});
    EXPECT_EQ(captions(), (std::vector<std::string>{"B1", "B1", "D8", "7", "8", "10"}));
    // Fixed steps link to themselves, copied tests keep the insert's links.
    const std::vector<Links> expected = {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {5, 5, 5}, {6, 6, 6}, {0, 0, 0}};
    EXPECT_EQ(links(), expected);
    // The first B1 zeroes its whole record, the second only its test fields.
    EXPECT_EQ(record(0).errorCode(editor.layout()), 0);
    EXPECT_EQ(record(1).errorCode(editor.layout()), 0xFFFF);
    EXPECT_EQ(record(5).errorCode(editor.layout()), 0); // the old step's log stays
}

TEST_F(SelfScanFromE6, ATestListOffsetPastTheEndFailsAfterTheLeadSteps)
{
    loadScript(1);
    editor.selectRow(StepList::kNone);
    offer(0xE6, E6ModuleBuilder().entry(72, 0xFFFFFFF0u).test(e6Test(0x7)).build());

    EXPECT_FALSE(runE6());

    EXPECT_EQ(host.errors, std::vector<std::string>{"Stream read error"});
    EXPECT_EQ(captions(), (std::vector<std::string>{"B1", "B1", "D8", "10"}));
}

// Bytes 0x00..0x47 of every fixed step, row by row, against the generator's
// table: a wrong word here goes unseen until a drive runs the script.
TEST_F(SelfScanFromE6, FixedStepsCarryExactlyTheirTableValues)
{
    struct Fixed {
        std::uint16_t id;
        std::uint16_t arg;
        std::vector<std::pair<int, std::uint32_t>> params;
        std::uint32_t postAction;
        const char* description;
    };
    const std::vector<std::pair<int, std::uint32_t>> dc = {{1, 0xF}, {2, 2}, {3, 0xCBFFFF}};
    const auto dcWith = [&](std::uint32_t p4) {
        auto p = dc;
        p.emplace_back(4, p4);
        return p;
    };
    const std::vector<Fixed> table = {
        {0x3307, 1, {{1, 0xFFFF}, {2, 8}, {3, 0x3FF}, {5, 1}, {6, 0x3FF}, {7, 1}, {8, 1}, {9, 1}, {10, 0xF},
                     {11, 0x3FF}, {12, 0x3FF}, {13, 0x3FF}, {14, 0x3FF}, {15, 0x3FF}, {16, 0x3FF}}, 2, "Format"},
        {0x1010, 1, {}, 2, ""},
        {0x3415, 1, {}, 2, ""},
        {0xB1, 0, {{15, 2}}, 0, "Power"},
        {0xB1, 0, {{15, 1}}, 0, "Power"},
        {0xD8, 1, {}, 0, "Seek"},
        {0x3421, 1, {{1, 0x2001}, {14, 0x10}}, 0, ""},
        {0x3422, 1, {{1, 7}, {2, 0x64}, {3, 2}}, 0, ""},
        {0x3423, 1, {{2, 1}, {3, 2}, {4, 1}, {5, 2}, {7, 0x10}, {9, 1}, {11, 1}, {13, 3}}, 0, ""},
        {0x3426, 1, {}, 2, ""},
        {0xB9, 1, {{1, 0x1291}, {8, 1}, {10, 1}, {13, 1}}, 0, "Report"},
        {0xDC, 1, dcWith(2), 0, "Delay"},
        {0xDC, 1, dcWith(4), 0, "Delay"},
        {0xDC, 1, dcWith(6), 0, "Delay"},
    };
    loadScript(1);
    editor.selectRow(StepList::kNone);
    offer(0xE6, E6ModuleBuilder().test(e6Test(0x0007)).build());
    for (std::uint16_t id : kQuestions)
        confirm(id);

    ASSERT_TRUE(runE6());

    ASSERT_EQ(editor.steps().size(), static_cast<int>(table.size()) + 2);
    const std::size_t linksAt = field::kLinks[0];
    for (std::size_t i = 0; i < table.size(); ++i) {
        const Fixed& f = table[i];
        const int row = static_cast<int>(i < 7 ? i : i + 1); // the copied test sits behind row 7
        StepRecord want(std::size_t{136});
        want.setTestId(f.id);
        want.setTestArg(f.arg);
        for (const auto& [k, v] : f.params)
            want.setParam(k, v);
        want.setPostAction(f.postAction);
        SCOPED_TRACE(hex2(f.id) + " in row " + std::to_string(row));
        EXPECT_TRUE(std::equal(want.bytes().begin(), want.bytes().begin() + linksAt, record(row).bytes().begin()));
        EXPECT_EQ(editor.steps().row(row).caption, hex2(f.id));
        EXPECT_EQ(editor.steps().row(row).description, f.description);
    }
}

// Offsets of a damaged module E6 that point at themselves, into the block
// table, at the very end or far beyond it: the tests that the bytes there
// give, or "Stream read error" with the steps inserted so far kept.
TEST_F(SelfScanFromE6, DamagedOffsetsGiveWhatTheBytesSayOrStopCleanly)
{
    struct Case {
        const char* name;
        Bytes e6;
        bool fails;
        std::vector<std::string> captions;
    };
    const auto e6 = [] { return E6ModuleBuilder().test(e6Test(0x7)).test(e6Test(0x8)); };
    const Bytes full = e6().build();
    const std::size_t size = full.size();
    const std::vector<std::string> lead = {"B1", "B1", "D8"};
    const std::vector<std::string> tail = {"B9", "DC", "DC", "DC", "10"};
    const auto join = [&](std::vector<std::string> copied) {
        std::vector<std::string> all = lead;
        all.insert(all.end(), copied.begin(), copied.end());
        all.insert(all.end(), tail.begin(), tail.end());
        return all;
    };
    const Case cases[] = {
        // Entry 71 lies at file offset 48 + 4 + 4 * 71 = 336: N reads as 336.
        {"count offset pointing at itself", e6().entry(71, 336).build(), false, join({"7", "8"})},
        // Records read out of the block table: entry k holds 0xDEAD0000 + k.
        {"first test inside the block table", e6().entry(72, 56).build(), false, join({"1", "12"})},
        {"count offset at the very end", e6().entry(71, static_cast<std::uint32_t>(size)).build(), true,
         {"B1", "B1", "D8", "10"}},
        {"count offset 0xFFFFFFFF", e6().entry(71, 0xFFFFFFFFu).build(), true, {"B1", "B1", "D8", "10"}},
        {"first word cut short", Bytes(full.begin(), full.begin() + 50), true, {"10"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        loadScript(1);
        editor.selectRow(StepList::kNone);
        host.errors.clear();
        offer(0xE6, c.e6);
        EXPECT_EQ(runE6(), !c.fails);
        EXPECT_EQ(host.errors, c.fails ? std::vector<std::string>{"Stream read error"} : std::vector<std::string>{});
        EXPECT_EQ(captions(), c.captions);
    }
}
