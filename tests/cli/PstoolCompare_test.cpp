// pstool --compare end to end: the exact lines and JSON, the exit status,
// the errors of the file read, and an editor left as it was.

#include "support/CompareSteps.h"
#include "support/ProgramRun.h"
#include "support/SystemReasons.h"

#include <gtest/gtest.h>

using namespace pst;
using namespace pst::test;

namespace {

std::string asText(const Bytes& b) { return std::string(b.begin(), b.end()); }

std::string module(const std::vector<Step>& steps, ModuleLayout layout = ModuleLayout::Royl)
{
    return asText(stepModule(steps, layout).build());
}

} // namespace

class PstoolCompare : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::vector<Step> before = {{0x10, 0, 2, 0, 0, 0}, {0x11, 5, 3}, {0x12, 0, 4, 4}, {0x13}};
        dir.write("a.rpm", module(before));
        dir.write("a32.rpm", module(before, ModuleLayout::Legacy32));
        // A step inserted at the top, one parameter changed, one error link
        // sent elsewhere; the other links renumbered to the same steps.
        dir.write("b.rpm", module({{0xDC}, {0x10, 0, 3}, {0x11, 6, 4}, {0x12, 0, 5, 1}, {0x13}}));
        dir.write("moved.rpm", module({{0x11, 5, 2}, {0x12, 0, 4, 4}, {0x10, 0, 1}, {0x13}}));
        dir.write("empty.rpm", "");
    }

    ProgramResult run(std::vector<std::string> args) { return runProgram(PSTOOL_PATH, args, dir.path()); }

    TempFolder dir;
};

TEST_F(PstoolCompare, WritesOneDifferenceALineAndASummary)
{
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out;
    } cases[] = {
        {{"--load", "b.rpm", "--compare", "a.rpm"},
         3,
         "+ step 1 (DC)\n"
         "~ step 2 = 3 (11): P1 5 -> 6\n"
         "~ step 3 = 4 (12): GOTO_ON_ERR 4 -> 1 (step 4: 13 -> step 1: DC)\n"
         "= 4 steps in a.rpm, 5 in the editor: 0 removed, 1 added, 0 moved, 2 changed\n"},
        {{"--load", "a.rpm", "--compare", "b.rpm"},
         3,
         "- step 1 (DC)\n"
         "~ step 3 = 2 (11): P1 6 -> 5\n"
         "~ step 4 = 3 (12): GOTO_ON_ERR 1 -> 4 (step 1: DC -> step 4: 13)\n"
         "= 5 steps in b.rpm, 4 in the editor: 1 removed, 0 added, 0 moved, 2 changed\n"},
        {{"--load", "b.rpm", "--compare-logs", "--compare", "a.rpm"},
         3,
         "+ step 1 (DC)\n"
         "~ step 1 = 2 (10): ERROR_CODE 0 -> FFFF\n"
         "~ step 2 = 3 (11): P1 5 -> 6\n"
         "~ step 3 = 4 (12): GOTO_ON_ERR 4 -> 1 (step 4: 13 -> step 1: DC)\n"
         "= 4 steps in a.rpm, 5 in the editor: 0 removed, 1 added, 0 moved, 3 changed\n"},
        {{"--load", "moved.rpm", "--compare", "a.rpm"},
         3,
         "- step 1 (10) moved to step 3\n"
         "+ step 3 (10) moved from step 1\n"
         "= 4 steps in a.rpm, 4 in the editor: 0 removed, 0 added, 1 moved, 0 changed\n"},
        {{"--load", "a.rpm", "--compare", "a32.rpm"}, 0, "= 4 steps in a32.rpm, 4 in the editor: no differences\n"},
        {{"--compare", "a.rpm"},
         3,
         "- step 1 (10)\n- step 2 (11)\n- step 3 (12)\n- step 4 (13)\n"
         "= 4 steps in a.rpm, 0 in the editor: 4 removed, 0 added, 0 moved, 0 changed\n"},
    };
    for (const auto& c : cases) {
        const ProgramResult r = run(c.args);
        EXPECT_EQ(r.out, c.out) << c.args.back();
        EXPECT_EQ(r.err, "") << c.args.back();
        EXPECT_EQ(r.status, c.status) << c.args.back();
    }
}

TEST_F(PstoolCompare, WritesTheSameAsOneJsonObject)
{
    const ProgramResult r = run({"--load", "b.rpm", "--compare-json", "a.rpm"});
    EXPECT_EQ(r.out,
              R"({"file":"a.rpm","fileSteps":4,"editorSteps":5,"logs":false,"differences":[)"
              R"({"kind":"added","editor":1,"id":"DC"},)"
              R"({"kind":"changed","file":2,"editor":3,"id":"11","fields":[{"name":"P1","file":"5","editor":"6"}]},)"
              R"({"kind":"changed","file":3,"editor":4,"id":"12","fields":[{"name":"GOTO_ON_ERR","file":"4",)"
              R"("editor":"1","fileTarget":"step 4: 13","editorTarget":"step 1: DC"}]}],)"
              R"("removed":0,"added":1,"moved":0,"changed":2})"
              "\n");
    EXPECT_EQ(r.status, 3);

    const ProgramResult same = run({"--load", "a.rpm", "--compare-json", "a.rpm"});
    EXPECT_EQ(same.out, R"({"file":"a.rpm","fileSteps":4,"editorSteps":4,"logs":false,"differences":[],)"
                        R"("removed":0,"added":0,"moved":0,"changed":0})"
                        "\n");
    EXPECT_EQ(same.status, 0);
}

TEST_F(PstoolCompare, ReportsAFileThatCannotBeReadAsLoadDoes)
{
    const struct {
        std::string file;
        std::string err;
    } cases[] = {
        {"missing.rpm", "pstool: error: Cannot open file \"missing.rpm\". " + noSuchFileReason() + "\n"},
        {"empty.rpm", "pstool: error: Cannot compare with \"empty.rpm\": the file is empty\n"},
    };
    for (const auto& c : cases) {
        const ProgramResult r = run({"--load", "a.rpm", "--compare", c.file});
        EXPECT_EQ(r.out, "") << c.file;
        EXPECT_EQ(r.err, c.err) << c.file;
        EXPECT_EQ(r.status, 1) << c.file;
    }
}

TEST_F(PstoolCompare, LeavesTheEditorAsItWas)
{
    const ProgramResult r = run({"--load", "b.rpm", "--select", "2", "--poke", "4=07", "--print", "--compare", "a32.rpm",
                                 "--print"});
    const std::size_t firstEnd = r.out.find('\n');
    const std::size_t lastStart = r.out.rfind('\n', r.out.size() - 2) + 1;
    ASSERT_NE(firstEnd, std::string::npos);
    EXPECT_EQ(r.out.substr(0, firstEnd + 1), r.out.substr(lastStart));
    EXPECT_NE(r.out.find("\"modified\":true"), std::string::npos);
}
