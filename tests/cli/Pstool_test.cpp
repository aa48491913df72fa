// pstool end to end: the built binary run in a temporary folder, its
// standard output, standard error and exit status compared.

#include "model/Checksum.h"
#include "model/ModuleImage.h"
#include "support/ModuleBuilder.h"
#include "support/ProgramRun.h"
#include "support/SystemReasons.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <sstream>

using namespace pst;
using namespace pst::test;
using nlohmann::ordered_json;

namespace {

const std::string kTryHelp = "Try 'pstool --help' for more information.\n";

std::string asText(const Bytes& b) { return std::string(b.begin(), b.end()); }
Bytes asBytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

std::string lowerHex(ByteView bytes)
{
    std::string out;
    for (Byte b : bytes) {
        static constexpr char kDigits[] = "0123456789abcdef";
        out += kDigits[b >> 4];
        out += kDigits[b & 0xF];
    }
    return out;
}

// A script of three steps: passed, failed with 1234, no result.
Bytes threeSteps()
{
    return ModuleBuilder().step(0x10, 0).step(0x11, 0x1234).step(0x12).build();
}

} // namespace

class Pstool : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.write("ModDescr.ini", "[Desc]\n10=Ten\n11=Eleven\nDC=Dummy\n");
        dir.write("Errors.ini", "[ERRORS]\n0x0000=Passed\n");
        dir.write("SCRIPTS.INI", "[Lab]\nFirst=\n[Work]\n");
        dir.write("m.rpm", asText(threeSteps()));
    }

    ProgramResult run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--catalogs", "."});
        return runProgram(PSTOOL_PATH, args, dir.path());
    }

    // The one JSON line a run printed.
    static ordered_json printed(const ProgramResult& r)
    {
        EXPECT_FALSE(r.out.empty());
        EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << "one line";
        return ordered_json::parse(r.out);
    }

    TempFolder dir;
};

TEST_F(Pstool, PrintsTheStateOfAWindowJustShown)
{
    const ProgramResult r = run({"--print"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    const ordered_json state = printed(r);
    std::vector<std::string> keys;
    for (const auto& item : state.items())
        keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"title", "layout", "recordSize", "maxStepCount", "imageSize", "modId",
                                              "selected", "status", "family", "custom", "steps", "modified",
                                              "undo", "redo"}));
    EXPECT_EQ(state["title"], "Self Scan Script");
    EXPECT_EQ(state["layout"], "royl");
    EXPECT_EQ(state["recordSize"], 0);
    EXPECT_EQ(state["imageSize"], 0);
    EXPECT_EQ(state["modId"], "28");
    EXPECT_EQ(state["selected"], 0);
    EXPECT_EQ(state["family"], "Lab");
    EXPECT_EQ(state["custom"], "Test Description");
    EXPECT_EQ(state["steps"], ordered_json::array());
    EXPECT_EQ(state["modified"], false);
    EXPECT_EQ(state["undo"], nullptr);
    EXPECT_EQ(state["redo"], nullptr);
}

// --undo and --redo replay the window's steps; consecutive --poke is one.
TEST_F(Pstool, UndoAndRedoTakeBackAndReplayCommandsByTheirCaptions)
{
    const ProgramResult loaded = run({"--load", "m.rpm", "--print"});
    const ProgramResult r = run({"--undo", "--load", "m.rpm", "--select", "2", "--delete", "--poke", "0=AA",
                                 "--poke", "1=BB", "--print", "--undo", "--print", "--undo", "--print", "--redo",
                                 "--redo", "--print", "--undo", "--undo", "--undo"});
    EXPECT_EQ(r.status, 0) << r.err;
    std::vector<ordered_json> states;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);)
        states.push_back(ordered_json::parse(line));
    ASSERT_EQ(states.size(), 4u);
    EXPECT_EQ(states[0]["undo"], "Typing");
    EXPECT_EQ(states[1]["undo"], "Delete");
    EXPECT_EQ(states[1]["redo"], "Typing");
    EXPECT_EQ(states[2]["steps"], printed(loaded)["steps"]);
    EXPECT_EQ(states[2]["selected"], 2);
    EXPECT_EQ(states[2]["modified"], false);
    EXPECT_EQ(states[2]["undo"], nullptr);
    EXPECT_EQ(states[2]["redo"], "Delete");
    EXPECT_EQ(states[3]["steps"], states[0]["steps"]);
    EXPECT_EQ(states[3]["modified"], true);
    EXPECT_EQ(states[3]["redo"], nullptr);
}

TEST_F(Pstool, PrintsALoadedScriptWithItsSelection)
{
    const ProgramResult r = run({"--load", "m.rpm", "--select", "2", "--print"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    const ordered_json state = printed(r);
    EXPECT_EQ(state["title"], "Self Scan Script - 28 - Step: 2 (2h)");
    EXPECT_EQ(state["recordSize"], 136);
    EXPECT_EQ(state["maxStepCount"], 7);
    EXPECT_EQ(state["imageSize"], 56 + 7 * 136);
    EXPECT_EQ(state["selected"], 2);
    EXPECT_EQ(state["status"], "ERROR 1234");
    EXPECT_EQ(state["custom"], "Eleven");
    ASSERT_EQ(state["steps"].size(), 3u);
    const ordered_json& steps = state["steps"];
    EXPECT_EQ(steps[0]["id"], "10");
    EXPECT_EQ(steps[0]["description"], "Ten");
    EXPECT_EQ(steps[0]["icon"], 1);
    EXPECT_EQ(steps[1]["icon"], 2);
    EXPECT_EQ(steps[2]["icon"], 3);
    EXPECT_EQ(steps[2]["description"], "");
    EXPECT_EQ(steps[1]["record"], lowerHex(ModuleBuilder().record(0x11, 0x1234).bytes()));
    EXPECT_EQ(state["modified"], false);
}

TEST_F(Pstool, SavesTheEditedScriptWithTheBoxIdTheEndRuleAndAValidChecksum)
{
    const ProgramResult r =
        run({"--mod-id", "3B", "--load", "m.rpm", "--select", "1", "--insert", "--poke", "2=0700", "--save", "out.rpm"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "");
    const Bytes saved = asBytes(dir.read("out.rpm"));
    ASSERT_EQ(saved.size(), threeSteps().size());
    EXPECT_TRUE(ChecksumValid(ModuleImage(saved)));
    EXPECT_EQ(getU16(saved, 8), 0x3B);
    EXPECT_EQ(getU16(saved, 48), 2); // current step: the inserted row
    const std::size_t second = 56 + 136;
    EXPECT_EQ(getU16(saved, second), 0xDC);
    EXPECT_EQ(getU16(saved, second + 2), 7);
    // END rule over four rows: only the first row links on; the end block links nowhere.
    EXPECT_EQ(getU16(saved, 56 + 0x48), 2);
    EXPECT_EQ(getU16(saved, 56 + 0x4A), 3);
    EXPECT_EQ(getU16(saved, 56 + 0x4C), 4);
    for (std::size_t row = 1; row < 4; ++row)
        EXPECT_EQ(getU16(saved, 56 + row * 136 + 0x48), 0xFFFF) << row;
    EXPECT_EQ(getU16(saved, 56 + 4 * 136), 0); // the list ends
}

TEST_F(Pstool, PokeWithoutASelectedRowChangesNoRecord)
{
    const ProgramResult r = run({"--load", "m.rpm", "--select", "0", "--poke", "0=FFFF", "--select", "1", "--print",
                                 "--poke", "48=0500", "--print"});
    EXPECT_EQ(r.status, 0);
    const auto newline = r.out.find('\n');
    const ordered_json before = ordered_json::parse(r.out.substr(0, newline));
    const ordered_json after = ordered_json::parse(r.out.substr(newline + 1));
    const std::string original = lowerHex(ModuleBuilder().record(0x10, 0).bytes());
    EXPECT_EQ(before["steps"][0]["record"], original);
    EXPECT_EQ(before["modified"], false);
    std::string poked = original;
    poked.replace(2 * 0x48, 4, "0500");
    EXPECT_EQ(after["steps"][0]["record"], poked);
    EXPECT_EQ(after["modified"], true);
}

TEST_F(Pstool, ClicksAndTypingFollowTheWindow)
{
    const ProgramResult r =
        run({"--load", "m.rpm", "--select", "1", "--print", "--poke", "86=AABBCC", "--print", "--select", "9", "--print"});
    EXPECT_EQ(r.status, 0);
    std::vector<ordered_json> states;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);)
        states.push_back(ordered_json::parse(line));
    ASSERT_EQ(states.size(), 3u);
    // Clicking the row already selected changes nothing, not even the title.
    EXPECT_EQ(states[0]["title"], "Self Scan Script - 28 - All: 3, Cur: 1, PTM Start Time:00:00:00");
    EXPECT_EQ(states[0]["selected"], 1);
    // Typed bytes past the record's end are dropped.
    std::string poked = lowerHex(ModuleBuilder().record(0x10, 0).bytes());
    poked.replace(2 * 0x86, 4, "aabb");
    EXPECT_EQ(states[1]["steps"][0]["record"], poked);
    EXPECT_EQ(states[1]["steps"][0]["record"].get<std::string>().size(), 2u * 136);
    // A click below the last row.
    EXPECT_EQ(states[2]["title"], "Self Scan Script - 28 - Step: 0 (0h)");
    EXPECT_EQ(states[2]["selected"], 0);
}

TEST_F(Pstool, MessagesGiveStatus3AndTheRunGoesOn)
{
    const ProgramResult r = run({"--family", " ", "--print"});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, "pstool: Need Enter Name\n");
    EXPECT_EQ(printed(r)["family"], " ");
}

TEST_F(Pstool, CheckReportsTheImageAsLoadedOrSavedAndTheLinksAsTheyStand)
{
    ModuleBuilder b;
    StepRecord first = b.record(0x10);
    first.setLinks(0xFFFF);
    first.setLink(0, 9);
    Bytes bad = b.step(first).step(0x11).build();
    bad.back() ^= 1;
    dir.write("bad.rpm", asText(bad));

    ProgramResult r = run({"--load", "bad.rpm", "--check"});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "checksum: invalid for layout royl\n"
                     "step 1: GOTO_ON_SUCCES = 9 points past the end (2 steps)\n");

    r = run({"--load", "bad.rpm", "--no-step", "--save", "ok.rpm", "--check"});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, "step 1: GOTO_ON_SUCCES = 9 points past the end (2 steps)\n");

    r = run({"--load", "m.rpm", "--check"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
}

TEST_F(Pstool, AnErrorEndsTheRunUnlessKeepGoing)
{
    const std::string error = "pstool: error: Cannot open file \"missing.rpm\". " + noSuchFileReason() + "\n";
    ProgramResult r = run({"--load", "missing.rpm", "--print"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, error);
    EXPECT_EQ(r.out, "");

    r = runProgram(PSTOOL_PATH, {"--keep-going", "--catalogs", ".", "--load", "missing.rpm", "--family", "", "--print"},
                   dir.path());
    EXPECT_EQ(r.status, 1); // an error outranks the message
    EXPECT_EQ(r.err, error + "pstool: Need Enter Name\n");
    EXPECT_EQ(printed(r)["title"], "Self Scan Script");
}

TEST_F(Pstool, UsageErrorsComeBeforeAnythingRuns)
{
    ProgramResult r = run({"--load", "m.rpm", "--save", "out.rpm", "--select", "x"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "pstool: usage: --select: expected a row number, got 'x'\n" + kTryHelp);
    EXPECT_FALSE(dir.exists("out.rpm"));

    r = runProgram(PSTOOL_PATH, {}, dir.path());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "pstool: usage: no command given\n" + kTryHelp);
}

TEST_F(Pstool, DropsAStepTextFileIntoTheTemplateModule)
{
    dir.write("steps.txt", "DC,1,F\r\n* remark\r\n10 2\r\n");
    const ProgramResult r = run({"--drop", "steps.txt", "--print"});
    EXPECT_EQ(r.status, 0);
    const ordered_json state = printed(r);
    EXPECT_EQ(state["imageSize"], 34872);
    EXPECT_EQ(state["maxStepCount"], 256);
    ASSERT_EQ(state["steps"].size(), 2u);
    EXPECT_EQ(state["steps"][0]["id"], "DC");
    EXPECT_EQ(state["steps"][1]["description"], "Ten");
    EXPECT_EQ(state["selected"], 2);
    EXPECT_EQ(state["modified"], true);
}

TEST_F(Pstool, DroppingAFileThatDoesNotExistIsAnError)
{
    const ProgramResult r = run({"--drop", "stpes.txt", "--no-step", "--save", "out.rpm"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "pstool: error: Cannot open file \"stpes.txt\". " + noSuchFileReason() + "\n");
    EXPECT_FALSE(dir.exists("out.rpm"));
}

TEST_F(Pstool, CatalogsDefaultToTheProgramsFolderAndTextsAreShownAsUtf8)
{
    namespace fsys = std::filesystem;
    fsys::create_directory(dir.file("bin"));
    fsys::copy_file(PSTOOL_PATH, dir.file("bin/pstool"));
    dir.write("bin/SCRIPTS.INI", "[Beside]\n");
    dir.write("bin/ModDescr.ini", "[Desc]\n10=Caf\xE9\n11=Caf\xC3\xA9\n");
    const ProgramResult r = runProgram(dir.file("bin/pstool"), {"--load", "m.rpm", "--print"}, dir.path());
    EXPECT_EQ(r.status, 0);
    const ordered_json state = printed(r);
    EXPECT_EQ(state["family"], "Beside");
    EXPECT_EQ(state["steps"][0]["description"], "Caf\xC3\xA9"); // Latin-1 decoded
    EXPECT_EQ(state["steps"][1]["description"], "Caf\xC3\xA9"); // already UTF-8
}

TEST_F(Pstool, HelpAndVersionGoToStandardOutput)
{
    ProgramResult r = runProgram(PSTOOL_PATH, {"--help"}, dir.path());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.rfind("Usage: pstool [--catalogs DIR] [--keep-going] COMMAND...\n"
                          "  or:  pstool --help | --version\n",
                          0),
              0u);
    for (const char* part : {"  --poke OFFSET=HEX", "  checksum: invalid for layout L\n",
                             "  step S: FIELD = V points past the end (N steps)\n", "\n  2   a usage error"})
        EXPECT_NE(r.out.find(part), std::string::npos) << part;

    r = runProgram(PSTOOL_PATH, {"--version"}, dir.path());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("pstool (pstedit) " PST_VERSION "\n", 0), 0u);
    EXPECT_NE(r.out.find("NO WARRANTY"), std::string::npos);
}

TEST_F(Pstool, AFailedWriteKeepsTheEarlierFileAndTheScript)
{
    std::filesystem::create_directories(dir.file("taken.rpm"));
    const std::vector<std::string> edit = {"--keep-going", "--catalogs", ".", "--load", "m.rpm", "--select", "1", "--insert"};
    std::vector<std::string> args = edit;
    args.push_back("--print");
    const ordered_json before = printed(runProgram(PSTOOL_PATH, args, dir.path()));
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--save", "gone/x.rpm"}, "Cannot create file \"gone/x.rpm\". " + noSuchFolderReason()},
        {{"--save", "taken.rpm"}, "Cannot create file \"taken.rpm\". Is a directory"},
        {{"--export-trex", "gone/x.trx"}, "Cannot create file \"gone/x.trx\". " + noSuchFolderReason()},
        {{"--export-ini", "taken.rpm"}, "Cannot create file \"taken.rpm\". Is a directory"},
    };
    for (const auto& [write, error] : cases) {
        args = edit;
        args.insert(args.end(), write.begin(), write.end());
        args.push_back("--print");
        const ProgramResult r = runProgram(PSTOOL_PATH, args, dir.path());
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "pstool: error: " + error + "\n");
        EXPECT_EQ(printed(r), before) << write[1]; // rows, links, image and modified mark as they were
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("taken.rpm")));
    EXPECT_FALSE(dir.exists("gone"));
    EXPECT_EQ(dir.read("m.rpm"), asText(threeSteps()));
}
