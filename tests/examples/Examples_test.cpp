// The sample set: make_examples writes exactly the listed files, the same
// bytes every run, each in its layout with its module id and a valid
// checksum; the sample script loads with its mix of results in every layout;
// and each generator makes a script from the sample modules and catalogs.

#include "support/ProgramRun.h"
#include "support/ScriptedHost.h"

#include "catalogs/IniFile.h"
#include "convert/ArcoScript.h"
#include "convert/PtmHistoryScript.h"
#include "convert/SelfScanFromE6.h"
#include "model/Checksum.h"
#include "model/Editor.h"
#include "model/FileSystem.h"
#include "model/Hex.h"
#include "model/ModuleImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <regex>
#include <set>

namespace pst::test {
namespace {

std::set<std::string> listedModules()
{
    std::set<std::string> names;
    std::string text = SAMPLE_MODULES;
    for (std::size_t start = 0, comma; start <= text.size(); start = comma + 1) {
        comma = std::min(text.find(',', start), text.size());
        names.insert(text.substr(start, comma - start));
    }
    return names;
}

std::set<std::string> filesIn(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

class SampleSet : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_temp = std::make_unique<TempFolder>();
        s_run = runProgram(MAKE_EXAMPLES_PATH, {"samples"}, s_temp->path());
    }
    static void TearDownTestSuite() { s_temp.reset(); }

    static std::string samplePath(const std::string& name) { return s_temp->file("samples/" + name); }
    static Bytes sample(const std::string& name) { return realFileSystem().readFile(samplePath(name), kMaxModuleFileSize).bytes; }

    SampleSet() : editor(host, realFileSystem(), SAMPLE_CATALOGS_DIR) {}

    void load(const std::string& name)
    {
        host.openAnswers.push_back(samplePath(name));
        ASSERT_TRUE(editor.run([&] { editor.btReadClick(); })) << host.errors.back();
    }
    void offer(std::uint16_t moduleId) { host.moduleFiles[moduleId] = samplePath("module-" + hex2(moduleId) + ".rpm"); }
    int count(StepIcon icon) const
    {
        const auto& rows = editor.steps().rows();
        return static_cast<int>(std::count_if(rows.begin(), rows.end(), [&](const StepRow& r) { return r.icon == icon; }));
    }

    inline static std::unique_ptr<TempFolder> s_temp;
    inline static ProgramResult s_run;
    ScriptedHost host;
    Editor editor;
};

TEST_F(SampleSet, WritesExactlyTheListedFilesTheSameEveryRun)
{
    ASSERT_EQ(s_run.status, 0) << s_run.err;
    EXPECT_EQ(s_run.err, "");
    EXPECT_EQ(filesIn(s_temp->file("samples")), listedModules());

    const ProgramResult again = runProgram(MAKE_EXAMPLES_PATH, {"again"}, s_temp->path());
    ASSERT_EQ(again.status, 0) << again.err;
    for (const std::string& name : listedModules())
        EXPECT_EQ(realFileSystem().readFile(s_temp->file("again/" + name), kMaxModuleFileSize).bytes, sample(name)) << name;
}

TEST_F(SampleSet, RefusesAMissingOrExtraFolder)
{
    for (const std::vector<std::string>& args : {std::vector<std::string>{}, {"a", "b"}, {"-x"}}) {
        const ProgramResult r = runProgram(MAKE_EXAMPLES_PATH, args, s_temp->path());
        EXPECT_EQ(r.status, 2);
        // Written as text: the line ends in "\r\n" on Windows.
        EXPECT_EQ(r.err.rfind("Usage: make_examples FOLDER", 0), 0u);
    }
}

TEST_F(SampleSet, EveryModuleHasItsLayoutModuleIdAndAValidChecksum)
{
    const struct {
        std::string name;
        ModuleLayout layout;
        std::uint16_t moduleId;
    } cases[] = {
        {"script-royl-28.rpm", ModuleLayout::Royl, 0x28},
        {"script-legacy32-28.rpm", ModuleLayout::Legacy32, 0x28},
        {"script-legacy28-28.rpm", ModuleLayout::Legacy28, 0x28},
        {"module-E6.rpm", ModuleLayout::Royl, 0xE6},     {"module-1100.rpm", ModuleLayout::Royl, 0x1100},
        {"module-47.rpm", ModuleLayout::Royl, 0x47},     {"module-21.rpm", ModuleLayout::Royl, 0x21},
        {"module-2403.rpm", ModuleLayout::Royl, 0x2403}, {"module-2000.rpm", ModuleLayout::Royl, 0x2000},
        {"module-2020.rpm", ModuleLayout::Royl, 0x2020}, {"module-2030.rpm", ModuleLayout::Royl, 0x2030},
        {"module-2050.rpm", ModuleLayout::Royl, 0x2050}, {"module-20C0.rpm", ModuleLayout::Royl, 0x20C0},
    };
    EXPECT_EQ(std::size(cases), listedModules().size());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ModuleImage image(sample(c.name));
        ASSERT_GE(image.size(), 512u);
        EXPECT_EQ(RecogniseLayout(image), c.layout);
        EXPECT_TRUE(ChecksumValid(image));
        const std::uint16_t id = c.layout == ModuleLayout::Royl ? getU16(image.bytes(), 8) : image.bytes()[4];
        EXPECT_EQ(id, c.moduleId);
        EXPECT_EQ(image.size() % 4, 0u);
    }
}

TEST_F(SampleSet, ScriptLoadsWithPassedFailedAndUnloggedStepsInEveryLayout)
{
    // The legacy-28 start time is the first record's TEST_ID B1 and TEST_ARG 0.
    const struct {
        std::string name;
        std::string ptmStartTime;
    } cases[] = {
        {"script-royl-28.rpm", "12:34:56"},
        {"script-legacy32-28.rpm", "02:03:04"},
        {"script-legacy28-28.rpm", "00:02:57"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        load(c.name);
        EXPECT_EQ(editor.title(), "Self Scan Script - 28 - All: 16, Cur: 15, PTM Start Time:" + c.ptmStartTime);
        EXPECT_EQ(editor.maxStepCount(), 64);
        ASSERT_EQ(editor.steps().size(), 22);
        EXPECT_EQ(count(StepIcon::Passed), 12);
        EXPECT_EQ(count(StepIcon::Failed), 1);
        EXPECT_EQ(count(StepIcon::NoResult), 9);
        for (const StepRow& row : editor.steps().rows())
            EXPECT_NE(row.description, "") << row.caption;
        EXPECT_EQ(editor.steps().selected(), 20);
        EXPECT_EQ(host.status, "Passed");

        editor.selectRow(11);
        EXPECT_TRUE(editor.run([&] { editor.lvScriptChange(); }));
        EXPECT_EQ(host.status, "Read scan: too many errors");

        // The links already follow the END rule that saving applies.
        std::vector<StepRow> before = editor.steps().rows();
        EXPECT_TRUE(editor.run([&] { editor.miSetErorSteptoEndClick(); }));
        EXPECT_EQ(editor.steps().rows(), before);
    }
    EXPECT_EQ(host.errors, std::vector<std::string>{});
}

TEST_F(SampleSet, EachGeneratorMakesAScriptFromTheSampleModules)
{
    const struct {
        std::string name;
        void (*command)(Editor&);
        std::vector<std::uint16_t> offered;
        int steps;
        std::string firstCaption;
        std::string firstDescription;
    } cases[] = {
        {"E6", miCreateSelfscanScriptfromE6Click, {0xE6}, 15, "B1", "Power cycle"},
        {"PTM history", miCreateScriptfromDVTPTMHistoryClick, {0x1100}, 10, "B1", "Power cycle"},
        {"ARCO series A", miCreateARCOScriptClick, {0x2403, 0x47}, 8, "2403", "6F - Read channel filter"},
        {"ARCO series B", miCreateARCOScriptClick, {0x21, 0x2000, 0x2020, 0x2030, 0x2050, 0x20C0}, 9, "C4",
         "6F - Read channel filter"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        host.moduleFiles.clear();
        load("script-royl-28.rpm");
        ASSERT_TRUE(editor.run([&] { editor.miClearAllClick(); }));
        for (std::uint16_t id : c.offered)
            offer(id);
        ASSERT_TRUE(editor.run([&] { c.command(editor); })) << host.errors.back();
        ASSERT_EQ(editor.steps().size(), c.steps);
        EXPECT_EQ(editor.steps().row(0).caption, c.firstCaption);
        EXPECT_EQ(editor.steps().row(0).description, c.firstDescription);
        // Every id and ARCO code the generator wrote has its text in the catalogs.
        for (const StepRow& row : editor.steps().rows()) {
            EXPECT_NE(row.description, "") << row.caption;
            EXPECT_FALSE(row.description.str().ends_with(" - ")) << row.caption;
        }
    }
}

TEST(SampleCatalogs, SaySoInTheirFirstLineAndKeepTheirKeyForms)
{
    const struct {
        std::string file;
        std::string section;
        std::regex key;
    } cases[] = {
        {"ModDescr.ini", "Desc", std::regex("[0-9A-F]{2}|[0-9A-F]{4}")},
        {"ModDescr.ini", "HOST_SEQ", std::regex("[89A-F][0-9A-F]{3}")},
        {"ModDescr.ini", "ARCO", std::regex("[0-9A-F]{2}")},
        {"Errors.ini", "ERRORS", std::regex("0x[0-9A-F]{4}")},
        {"SCRIPTS.INI", "Work", std::regex(".+")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file + " [" + c.section + "]");
        const ReadResult read = realFileSystem().readFile(std::string(SAMPLE_CATALOGS_DIR) + "/" + c.file, kMaxCatalogFileSize);
        ASSERT_TRUE(read.ok) << read.error;
        const std::string text(read.bytes.begin(), read.bytes.end());
        EXPECT_EQ(text.rfind("; Sample catalog made for this project", 0), 0u);
        const IniFile ini = IniFile::parse(read.bytes);
        const std::vector<std::string> keys = ini.keys(c.section);
        EXPECT_FALSE(keys.empty());
        for (const std::string& key : keys)
            EXPECT_TRUE(std::regex_match(key, c.key)) << key;
    }
}

} // namespace
} // namespace pst::test
