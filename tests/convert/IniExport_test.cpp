#include "convert/IniExport.h"
#include "convert/TrexExport.h"

#include "support/ConvertFixture.h"

using namespace pst;
using namespace pst::test;

namespace {

std::string blanks(std::size_t n) { return std::string(n, ' '); }
std::string commas(std::size_t n) { return std::string(n, ','); }

StepRow row(std::string description, StepFields f = {0xDC, 1})
{
    StepRow r;
    r.record = StepRecord(std::size_t{136});
    r.record.setTestId(f.testId);
    r.record.setTestArg(f.testArg);
    for (std::size_t k = 0; k < f.params.size(); ++k)
        r.record.setParam(static_cast<int>(k) + 1, f.params[k]);
    r.record.setPostAction(f.postAction);
    r.description = std::move(description);
    return r;
}

} // namespace

class IniExport : public ConvertFixture {
protected:
    std::string exportTo(const std::string& path)
    {
        host.saveAnswers.push_back(path);
        EXPECT_TRUE(editor.run([&] { miExporttoINIClick(editor); }));
        return fs.has(path) ? fs.text(path) : std::string();
    }
};

TEST_F(IniExport, GoldenFileOfASmallScript)
{
    loadFields({{0xDC, 1, {15, 0, 10}, 1}, {0x05, 0, {9, 0xFFFFFFFF, 10}, 3}, {0x8199, 0x12, {0x12345}, 4}});
    const std::string expected = crlfLines({
        "[PST Sequence]",
        "1 Closing step" + blanks(26) + " = DC,1,F,,A" + commas(13) + ",1",
        "2 Read \"head\" \\ map" + blanks(21) + " = 5,0,9,FFFFFFFF,A" + commas(13) + ",3",
        "3 Host seq 8199" + blanks(25) + " = 8199,12,12345" + commas(15) + ",4",
    });
    // The export sets no filter of its own: before any Save the dialog has none.
    editor.saveDialogState().filter.clear();
    EXPECT_EQ(exportTo("/out/PST.ini"), expected);
    ASSERT_EQ(host.dialogs.size(), 2u);
    EXPECT_EQ(host.dialogs[1].purpose, DialogPurpose::ExportIni);
    EXPECT_EQ(host.dialogs[1].fileName, "PST.ini");
    EXPECT_EQ(host.dialogs[1].filter, "");
    EXPECT_EQ(editor.saveDialogState().fileName, "");
    EXPECT_EQ(editor.saveDialogState().filter, "");
}

TEST_F(IniExport, EmptyStepListGivesTheSectionLineOnly)
{
    loadFields({});
    EXPECT_EQ(exportTo("/out/PST.ini"), "[PST Sequence]\r\n");
}

TEST_F(IniExport, NothingWithoutAModuleAndNothingWhenCancelled)
{
    ASSERT_TRUE(editor.run([&] { miExporttoINIClick(editor); }));
    EXPECT_TRUE(host.dialogs.empty());
    loadIds({0xDC});
    host.saveAnswers.push_back(std::nullopt);
    ASSERT_TRUE(editor.run([&] { miExporttoINIClick(editor); }));
    EXPECT_EQ(fs.writeCount(), 0);
    EXPECT_EQ(editor.saveDialogState().fileName, "");
}

TEST_F(IniExport, FailedWriteReportsTheReasonAndKeepsTheEarlierFile)
{
    loadIds({0xDC});
    fs.put("/out/PST.ini", std::string_view("[PST Sequence]\r\nold\r\n"));
    fs.failWrites("/out/PST.ini", "Input/output error");
    host.saveAnswers.push_back("/out/PST.ini");
    EXPECT_FALSE(editor.run([&] { miExporttoINIClick(editor); }));
    EXPECT_EQ(host.errors, std::vector<std::string>{"Cannot create file \"/out/PST.ini\". Input/output error"});
    EXPECT_EQ(fs.text("/out/PST.ini"), "[PST Sequence]\r\nold\r\n");
}

TEST(IniText, ValuesWriteFieldsOneAndTwoAlwaysAndTheRestWhenNotZero)
{
    EXPECT_EQ(iniStepValue(row("", {0x05, 0}).record), "5,0" + commas(17));
    EXPECT_EQ(iniStepValue(row("", {0xDC, 1, {15, 1, 10}}).record), "DC,1,F,1,A" + commas(14));
    EXPECT_EQ(iniStepValue(row("", {0, 0, {}, 0x80000000u}).record), "0,0" + commas(17) + "80000000");
    std::vector<std::uint32_t> all(16, 0xFFFFFFFFu);
    std::string full = "FFFF,FFFF";
    for (int k = 0; k < 17; ++k)
        full += ",FFFFFFFF";
    EXPECT_EQ(iniStepValue(row("", {0xFFFF, 0xFFFF, all, 0xFFFFFFFFu}).record), full);
}

TEST(IniText, KeysArePaddedToFortyBytesAndDescriptionsCutAtEighty)
{
    struct Case {
        int step;
        std::size_t descriptionLength;
        std::string line; // without the value
    };
    const std::string x100(100, 'x');
    const std::vector<Case> cases = {
        {1, 0, "1 " + blanks(38)},
        {1, 37, "1 " + x100.substr(0, 37) + " "},   // 39 bytes: one blank added
        {1, 38, "1 " + x100.substr(0, 38)},         // exactly 40: none
        {1, 39, "1 " + x100.substr(0, 39)},         // 41: not cut
        {1, 80, "1 " + x100.substr(0, 80)},
        {12, 100, "12 " + x100.substr(0, 80)},      // the description is cut, not the key
    };
    for (const Case& c : cases) {
        const std::string line = iniStepLine(c.step, row(x100.substr(0, c.descriptionLength)));
        EXPECT_EQ(line, c.line + " = DC,1" + commas(17)) << c.descriptionLength;
    }
}

// A catalog text with invalid UTF-8 and a NUL goes into both exports byte for
// byte: the files are 8-bit text, and the tools that read them expect the
// catalog's own bytes.
TEST_F(IniExport, DescriptionsGoOutByteForByteInBothExports)
{
    const std::string description("\xC3\x28 bad \xFF\0nul", 12);
    fs.put(kModDescr, "[Desc]\nDC=" + description + "\n");
    loadIds({0xDC});
    ASSERT_EQ(editor.steps().row(0).description, description);
    const std::string key = "1 " + description;
    EXPECT_EQ(exportTo("/out/PST.ini"), "[PST Sequence]\r\n" + key + blanks(40 - key.size()) + " = DC,0" + commas(17) + "\r\n");
    host.saveAnswers.push_back("/out/PST.trx");
    ASSERT_TRUE(editor.run([&] { miExporttoTRXClick(editor); }));
    EXPECT_NE(fs.text("/out/PST.trx").find("  fprintf \"\\nDC " + description + "\\n\"\r\n"), std::string::npos);
}
