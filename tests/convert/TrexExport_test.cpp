#include "convert/TrexExport.h"

#include "support/ConvertFixture.h"

using namespace pst;
using namespace pst::test;

namespace {

constexpr std::string_view kHeader[] = {"command ExternalTest", "", "  st totaltime", "  vscon", ""};
constexpr std::string_view kFooter[] = {
    "  sflog",
    "  tso off;ts totaltime",
    R"(  fprintf"\nTotal Time: %02d:%02d:%02d\n",Duration@totaltime/36000000,Duration@totaltime/600000 %60,Duration@totaltime/10000 %60)",
    "  STDBY",
    R"(  fprintf"\nThe successful completion of selftest!!!\n";bell)",
    "ecommand",
};
constexpr std::string_view kThirteenZeros = ",0,0,0,0,0,0,0,0,0,0,0,0,0";
static_assert(kThirteenZeros.size() == 26);

std::string script(std::initializer_list<std::string_view> stepLines)
{
    std::string out;
    for (std::string_view l : kHeader)
        out += crlfLines({l});
    out += crlfLines(stepLines);
    for (std::string_view l : kFooter)
        out += crlfLines({l});
    return out;
}

StepRow row(std::uint16_t id, std::uint16_t arg, std::vector<std::uint32_t> params, std::string description = {})
{
    StepRow r;
    r.record = StepRecord(std::size_t{136});
    r.record.setTestId(id);
    r.record.setTestArg(arg);
    for (std::size_t k = 0; k < params.size(); ++k)
        r.record.setParam(static_cast<int>(k) + 1, params[k]);
    r.description = std::move(description);
    return r;
}

} // namespace

class TrexExport : public ConvertFixture {
protected:
    void loadSmallScript()
    {
        loadFields({{0xDC, 1, {15, 0, 10}, 1}, {0x05, 0, {9, 0xFFFFFFFF, 10}, 3}, {0x8199, 0x12, {0x12345}, 4}});
    }

    std::string exportTo(const std::string& path)
    {
        host.saveAnswers.push_back(path);
        EXPECT_TRUE(editor.run([&] { miExporttoTRXClick(editor); }));
        return fs.has(path) ? fs.text(path) : std::string();
    }
};

TEST_F(TrexExport, GoldenScriptInTheNormalTitleForm)
{
    loadSmallScript();
    const std::string dc = "  xf 0xDC,1,0xF,0,0xA" + std::string(kThirteenZeros) + ";msf";
    const std::string five = "  xf 0x5,0,9,0xFFFFFFFF,0xA" + std::string(kThirteenZeros) + ";msf";
    const std::string host8199 = "  xf 0x8199,0x12,0x12345,0,0" + std::string(kThirteenZeros) + ";msf";
    const std::string expected = script({
        R"(  fprintf "\nDC Closing step\n")", dc, "  warmb", "",
        R"(  fprintf "\n05 Read "head" \ map\n")", five, "",
        R"(  fprintf "\n8199 Host seq 8199\n")", host8199, "  reset", "",
    });
    EXPECT_EQ(exportTo("/out/PST.trx"), expected);
}

TEST_F(TrexExport, GoldenScriptInTheCtrlTitleForm)
{
    loadSmallScript();
    host.ctrl = true;
    const std::string text = exportTo("/out/PST.trx");
    const std::string dc = "  xf 0xDC,1,0xF,0,0xA" + std::string(kThirteenZeros) + ";msf";
    const std::string five = "  xf 0x5,0,9,0xFFFFFFFF,0xA" + std::string(kThirteenZeros) + ";msf";
    const std::string host8199 = "  xf 0x8199,0x12,0x12345,0,0" + std::string(kThirteenZeros) + ";msf";
    const std::string expected = script({
        R"(  fprintf "\n====== Test DC,1,0F ======\n")", dc, "  warmb", "",
        R"(  fprintf "\n====== Test 05,0,09 ======\n")", five, "",
        R"(  fprintf "\n====== Test 8199,12,2345 ======\n")", host8199, "  reset", "",
    });
    EXPECT_EQ(text, expected);
}

TEST_F(TrexExport, EmptyStepListGivesHeaderAndFooterOnly)
{
    loadFields({});
    ASSERT_TRUE(editor.steps().empty());
    const std::string text = exportTo("/out/PST.trx");
    EXPECT_EQ(text, script({}));
    std::size_t lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, 11u);
}

TEST_F(TrexExport, DialogProposesPstTrxEachTimeAndClearsTheName)
{
    loadSmallScript();
    editor.saveDialogState().filter = "Module 28|*28*.rpm|All|*.*";
    exportTo("/out/a.trx");
    host.saveAnswers.push_back(std::nullopt);
    ASSERT_TRUE(editor.run([&] { miExporttoTRXClick(editor); }));
    ASSERT_EQ(host.dialogs.size(), 3u); // the load, then two exports
    for (std::size_t i : {1u, 2u}) {
        EXPECT_TRUE(host.dialogs[i].save);
        EXPECT_EQ(host.dialogs[i].purpose, DialogPurpose::ExportTrex);
        EXPECT_EQ(host.dialogs[i].fileName, "PST.trx");
        EXPECT_EQ(host.dialogs[i].filter, "Module 28|*28*.rpm|All|*.*");
    }
    EXPECT_EQ(editor.saveDialogState().fileName, "");
    EXPECT_EQ(fs.writeCount(), 1);
    EXPECT_FALSE(editor.modified());
}

TEST_F(TrexExport, WithoutAModuleNothingIsAsked)
{
    ASSERT_TRUE(editor.run([&] { miExporttoTRXClick(editor); }));
    EXPECT_TRUE(host.dialogs.empty());
    EXPECT_EQ(fs.writeCount(), 0);
}

TEST_F(TrexExport, FailedWriteReportsTheReasonAndKeepsTheEarlierFile)
{
    loadSmallScript();
    fs.put("/out/PST.trx", std::string_view("earlier"));
    fs.failWrites("/out/PST.trx", "No space left on device");
    host.saveAnswers.push_back("/out/PST.trx");
    EXPECT_FALSE(editor.run([&] { miExporttoTRXClick(editor); }));
    EXPECT_EQ(host.errors, std::vector<std::string>{"Cannot create file \"/out/PST.trx\". No space left on device"});
    EXPECT_EQ(fs.text("/out/PST.trx"), "earlier");
    EXPECT_EQ(editor.saveDialogState().fileName, "");
}

TEST(TrexText, ParameterValuesBelowTenAreDecimalTheRestHex)
{
    struct Case {
        std::uint32_t value;
        const char* written;
    };
    for (const Case c : {Case{0, "0"}, Case{9, "9"}, Case{10, "0xA"}, Case{15, "0xF"}, Case{0x80000000u, "0x80000000"},
                         Case{0xFFFFFFFFu, "0xFFFFFFFF"}}) {
        StepRow r = row(0x05, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, c.value});
        const std::string list = trexParameterList(r.record);
        EXPECT_EQ(list, "0x5,0" + std::string(kThirteenZeros) + ",0,0," + c.written) << c.value;
    }
    // The test id is always hex, even below 10; the argument is 16-bit.
    EXPECT_EQ(trexParameterList(row(0x09, 0xFFFF, {}).record).substr(0, 12), "0x9,0xFFFF,0");
}

TEST(TrexText, PostActionLinesByTheLowSixteenBits)
{
    struct Case {
        std::uint32_t value;
        const char* line;
    };
    for (const Case c : {Case{1, "  warmb"}, Case{2, "  ireset;waitb;vscon"}, Case{4, "  reset"},
                         Case{8, "  // Repeat Test"}, Case{0, ""}, Case{3, ""}, Case{16, ""}, Case{0x10000, ""},
                         Case{0xFFFF0000u, ""}, Case{0x00020004, "  reset"}})
        EXPECT_EQ(trexPostActionLine(c.value), c.line) << c.value;
}

TEST(TrexText, TitlesAreCutToEightyBytesAndNothingIsEscaped)
{
    const std::string longText(100, 'x');
    EXPECT_EQ(trexTitle(row(0xDC, 1, {}, longText), false), "DC " + std::string(77, 'x'));
    EXPECT_EQ(trexTitle(row(0x0A, 1, {}, "a\"b\\n"), false), "0A a\"b\\n");
    // Bytes, not characters: a cut may fall inside a multi-byte sequence.
    const std::string eAcute = "\xC3\xA9";
    std::string accented;
    for (int i = 0; i < 50; ++i)
        accented += eAcute;
    EXPECT_EQ(trexTitle(row(0x1234, 0, {}, accented), false).size(), 80u);
    EXPECT_EQ(trexTitle(row(0xDC, 0, {0xABCD0001}), true), "====== Test DC,0,01 ======");
}

TEST(TrexText, CtrlIsAskedAsEachStepBlockIsWritten)
{
    StepList steps;
    for (std::uint16_t id : {0x10, 0x11, 0x12})
        steps.insert(steps.size(), row(id, 1, {}, "d"));
    int asked = 0;
    const std::string text = trexScript(steps, [&] { return ++asked == 2; });
    EXPECT_EQ(asked, 3);
    EXPECT_NE(text.find("\\n10 d\\n"), std::string::npos);
    EXPECT_NE(text.find("\\n====== Test 11,1,00 ======\\n"), std::string::npos);
    EXPECT_NE(text.find("\\n12 d\\n"), std::string::npos);
}
