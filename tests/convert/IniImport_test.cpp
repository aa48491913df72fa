#include "convert/IniImport.h"

#include "convert/IniExport.h"
#include "model/Messages.h"
#include "support/ConvertFixture.h"

#include <algorithm>

using namespace pst;
using namespace pst::test;

namespace {
using Fields = std::vector<std::string_view>;
}

TEST(IniFields, SplittingAtCommasAndBlanks)
{
    struct Case {
        std::string_view value;
        Fields fields;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"DC,1", {"DC", "1"}},
        {"DC,,1", {"DC", "", "1"}},
        {"DC,", {"DC", ""}},
        {",", {"", ""}},
        {",,", {"", "", ""}},
        {"  DC ,\t1  ,  2", {"DC", "1", "2"}},
        {"1 2,3", {"1", "2", "3"}},   // a blank inside a field ends it
        {"DC , ,1", {"DC", "", "1"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitIniFields(c.value), c.fields) << c.value;
}

TEST(IniFields, HexadecimalWithoutPrefixElseZero)
{
    struct Case {
        std::string_view field;
        std::uint32_t value;
    };
    for (const Case c : {Case{"1A", 0x1A}, Case{"1a", 0x1A}, Case{" ff ", 0xFF}, Case{"FFFFFFFF", 0xFFFFFFFF},
                         Case{"000000001", 1}, Case{"0x1A", 0}, Case{"-1", 0}, Case{"+1", 0}, Case{"", 0},
                         Case{"100000000", 0}, Case{"G", 0}})
        EXPECT_EQ(iniFieldValue(c.field), c.value) << c.field;
}

TEST(IniFields, ValueFillsTheTestFieldsAndLeavesTheRest)
{
    StepRecord r(Bytes(136, 0xAA));
    applyIniValue(r, "5,1,2");
    EXPECT_EQ(r.testId(), 5);
    EXPECT_EQ(r.testArg(), 1);
    EXPECT_EQ(r.param(1), 2u);
    for (std::size_t i = 0x08; i < field::TEST_FIELDS_END; ++i)
        ASSERT_EQ(r.bytes()[i], 0) << i;
    // POST_ACTION and everything after it keep their bytes with fewer than 19 fields.
    EXPECT_TRUE(std::all_of(r.bytes().begin() + 0x44, r.bytes().end(), [](Byte b) { return b == 0xAA; }));

    std::string twentyOne = "12345,6789A";
    for (std::uint32_t k = 3; k <= 21; ++k)
        twentyOne += "," + std::to_string(k); // decimal digits read as hex
    applyIniValue(r, twentyOne);
    EXPECT_EQ(r.testId(), 0x2345); // the low 16 bits
    EXPECT_EQ(r.testArg(), 0x789A);
    EXPECT_EQ(r.param(1), 0x3u);
    EXPECT_EQ(r.param(16), 0x18u);
    EXPECT_EQ(r.postAction(), 0x19u);
    // Fields 20 and 21 would fall on the links: ignored.
    EXPECT_EQ(r.link(0), 0xAAAA);
    EXPECT_EQ(r.link(1), 0xAAAA);
}

TEST(IniFields, ADescriptionHoldingAnEqualSignDoesNotShiftTheFields)
{
    // "1 a=b   = DC,1,..." reads as key "1 a" and value "b   = DC,1,...".
    StepRecord r(std::size_t{136});
    applyIniValue(r, "b                = DC,1,F");
    EXPECT_EQ(r.testId(), 0xDC);
    EXPECT_EQ(r.testArg(), 1);
    EXPECT_EQ(r.param(1), 0xFu);
}

class IniImport : public ConvertFixture {
protected:
    bool importFile(const std::string& text, const std::string& path = "/in/PST.ini")
    {
        fs.put(path, std::string_view(text));
        host.openAnswers.push_back(path);
        return editor.run([&] { miImportfromINIClick(editor); });
    }
};

TEST_F(IniImport, EachKeyBecomesAStepAfterTheSelectedOne)
{
    loadFields({{0x10, 0, {}}, {0x11, 0, {}}});
    editor.selectRow(0);
    ASSERT_TRUE(importFile("[Other]\nx=1,2\n[pst sequence]\n"
                           "1 anything = 8199,1,,FFFFFFFF\n"
                           "2 short    = 5\n"
                           "3 empty    =\n"
                           "4 odd      = 0x1A,-1,1A\n"));
    ASSERT_EQ(ids(), (std::vector<std::uint16_t>{0x10, 0x8199, 0x05, 0x00, 0x00, 0x11}));
    const StepList& steps = editor.steps();
    EXPECT_EQ(steps.selected(), 4);
    EXPECT_EQ(steps.row(1).caption, "8199");
    EXPECT_EQ(steps.row(1).description, "Host seq 8199"); // HOST_SEQ for bit 15
    EXPECT_EQ(steps.row(1).record.param(2), 0xFFFFFFFFu);
    EXPECT_EQ(steps.row(2).caption, "05");
    EXPECT_EQ(steps.row(2).description, "Read \"head\" \\ map");
    EXPECT_EQ(steps.row(3).caption, "00");
    EXPECT_EQ(steps.row(3).description, "");
    EXPECT_EQ(steps.row(4).record.testArg(), 0);
    EXPECT_EQ(steps.row(4).record.param(1), 0x1Au);
    // Fewer than nineteen fields: POST_ACTION keeps the insert template's 0,
    // the links point to the next step, the result is "none".
    const StepRecord& shortLine = steps.row(2).record;
    EXPECT_EQ(shortLine.testArg(), 0);
    EXPECT_EQ(shortLine.postAction(), 0u);
    EXPECT_EQ(shortLine.link(0), 4);
    EXPECT_EQ(shortLine.errorCode(ModuleLayout::Royl), 0xFFFF);
    // The hex view shows the last imported step.
    EXPECT_EQ(editor.recordBuffer().bytes(), steps.row(4).record.data());
}

TEST_F(IniImport, DialogProposesStarIniAndClearsIt)
{
    loadIds({0x10});
    // The name alone narrows the listing; the filter stays what Load left.
    const std::string filter = editor.openDialogState().filter;
    ASSERT_TRUE(importFile("[PST Sequence]\n"));
    ASSERT_EQ(host.dialogs.size(), 2u);
    EXPECT_FALSE(host.dialogs[1].save);
    EXPECT_EQ(host.dialogs[1].purpose, DialogPurpose::ImportIni);
    EXPECT_EQ(host.dialogs[1].fileName, "*.ini");
    EXPECT_EQ(host.dialogs[1].filter, filter);
    EXPECT_EQ(editor.openDialogState().fileName, "");
    EXPECT_EQ(editor.openDialogState().filter, filter);
    EXPECT_EQ(ids(), std::vector<std::uint16_t>{0x10});
}

TEST_F(IniImport, NothingWithoutModuleSectionOrChoice)
{
    ASSERT_TRUE(importFile("[PST Sequence]\n1 a = DC\n"));
    EXPECT_TRUE(host.dialogs.empty());
    EXPECT_TRUE(editor.steps().empty());
    host.openAnswers.clear(); // never asked for
    loadIds({0x10});
    ASSERT_TRUE(importFile("[Other]\n1 a = DC\n"));
    host.openAnswers.push_back(std::nullopt);
    ASSERT_TRUE(editor.run([&] { miImportfromINIClick(editor); }));
    EXPECT_EQ(ids(), std::vector<std::uint16_t>{0x10});
}

TEST_F(IniImport, UnreadableFileIsReported)
{
    loadIds({0x10});
    fs.failReads("/in/PST.ini", "Permission denied");
    EXPECT_FALSE(importFile("[PST Sequence]\n1 a = DC\n"));
    EXPECT_EQ(host.errors, std::vector<std::string>{msg::cannotOpenFile("/in/PST.ini", "Permission denied")});
    EXPECT_EQ(editor.openDialogState().fileName, "");
}

TEST_F(IniImport, ExportThenImportIntoAnEmptyScriptKeepsTheTestFields)
{
    ModuleBuilder b;
    std::vector<StepRecord> originals;
    for (std::uint16_t i = 0; i < 5; ++i) {
        StepRecord r = record(b, {static_cast<std::uint16_t>(0x8190 + i * 3), i, {i * 0x10000001u, 0, 9, 10}, i});
        r.setParam(16, 0xFFFFFFFF - i);
        r.setLinks(7);            // not carried
        r.setErrorCode(ModuleLayout::Royl, 0x1A);
        originals.push_back(r);
        b.step(r);
    }
    load(b.build());
    editor.steps().setDescription(2, "a=b \"quoted\"");
    host.saveAnswers.push_back("/x/PST.ini");
    ASSERT_TRUE(editor.run([&] { miExporttoINIClick(editor); }));
    ASSERT_TRUE(editor.run([&] { editor.miClearAllClick(); }));

    host.openAnswers.push_back("/x/PST.ini");
    ASSERT_TRUE(editor.run([&] { miImportfromINIClick(editor); }));
    ASSERT_EQ(editor.steps().size(), 5);
    for (int i = 0; i < 5; ++i) {
        const StepRecord& got = editor.steps().row(i).record;
        const ByteView want = originals[static_cast<std::size_t>(i)].bytes();
        EXPECT_TRUE(std::equal(want.begin(), want.begin() + 0x48, got.bytes().begin())) << i;
        for (int l = 0; l < 3; ++l)
            EXPECT_EQ(got.link(l), i + 2) << i;
        EXPECT_EQ(got.errorCode(ModuleLayout::Royl), 0xFFFF);
    }
}

TEST_F(IniImport, StepsBeyondTheNameBlockAreReportedNotLostSilently)
{
    loadSteps({{1, 1, 1}});
    std::string text = "[PST Sequence]\r\n";
    for (int i = 1; i <= 400; ++i) {
        std::string key = std::to_string(i) + " A step with a description of some length";
        key.resize(40, ' ');
        text += key + " = DC,1,F\r\n";
    }
    ASSERT_TRUE(importFile(text));
    const int imported = editor.steps().size() - 1;
    EXPECT_LT(imported, 400);
    EXPECT_GT(imported, 300);
    EXPECT_EQ(host.messages, (std::vector<std::string>{"Only the first " + std::to_string(imported) +
                                                        " of 400 steps were imported"}));
}

// Damaged exchange files: the INI reading rules cut long values and long key
// lists, NUL bytes are blanks between fields, bytes that are no digit read 0.
TEST_F(IniImport, DamagedFilesGiveTheStepsTheReadingRulesAllow)
{
    using namespace std::string_literals;
    const std::string kSection = "[PST Sequence]\n";
    const std::string huge(100000, 'k');
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::uint16_t> ids; // behind the loaded step 0x10
        std::uint16_t firstArg;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        // The value is cut to 2047 zeros: "5,7" never arrives.
        {"first field of 100,000 characters", kSection + "1 a = " + std::string(99999, '0') + "5,7\n", {0}, 0, {}},
        {"key of 100,000 characters", kSection + huge + " = DC\n2 b = 11\n", {}, 0,
         {"Only the first 0 of 2 steps were imported"}},
        {"NUL between two fields", kSection + "1 a = DC\0"s + "7\n", {0xDC}, 7, {}},
        {"invalid UTF-8 in key and value", kSection + "1 \xC3\x28\xFF = \xFF,\xC3\x28,F\n2 \x80 = 8001,2\n", {0, 0x8001}, 0, {}},
        {"NUL bytes only", std::string(1000, '\0'), {}, 0, {}},
        {"100,000 line ends before the section", std::string(100000, '\n') + kSection + "1 = 5,3\n", {5}, 3, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        loadIds({0x10});
        host.messages.clear();
        ASSERT_TRUE(importFile(c.text));
        std::vector<std::uint16_t> expected = {0x10};
        expected.insert(expected.end(), c.ids.begin(), c.ids.end());
        EXPECT_EQ(ids(), expected);
        if (!c.ids.empty()) {
            EXPECT_EQ(editor.steps().row(1).record.testArg(), c.firstArg);
        }
        for (const StepRow& row : editor.steps().rows())
            EXPECT_EQ(row.record.size(), 136u);
        EXPECT_EQ(host.messages, c.messages);
        EXPECT_TRUE(host.errors.empty());
    }
}
