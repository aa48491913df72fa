// pstool end to end for the converters: exports, import, upgrade and the
// generators with their module dialogs answered by --module.

#include "support/GeneratorModules.h"
#include "support/ModuleBuilder.h"
#include "support/ProgramRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace pst;
using namespace pst::test;

namespace {

std::string asText(const Bytes& b) { return std::string(b.begin(), b.end()); }

} // namespace

class PstoolConvert : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.write("ModDescr.ini", "[Desc]\n10=Ten\nDC=Dummy\n");
        StepRecord r = ModuleBuilder().record(0x10);
        r.setTestArg(1);
        r.setParam(1, 15);
        dir.write("m.rpm", asText(ModuleBuilder().step(r).capacity(20).build()));
    }

    ProgramResult run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--catalogs", "."});
        return runProgram(PSTOOL_PATH, args, dir.path());
    }

    std::vector<std::string> ids(const ProgramResult& r)
    {
        std::vector<std::string> out;
        const nlohmann::json state = nlohmann::json::parse(r.out);
        for (const auto& step : state["steps"])
            out.push_back(step["id"]);
        return out;
    }

    TempFolder dir;
};

TEST_F(PstoolConvert, ExportsBothTrexFormsAndTheIniFile)
{
    const ProgramResult r = run({"--load", "m.rpm", "--export-trex", "a.trx", "--export-trex-ctrl", "b.trx",
                                 "--export-ini", "c.ini"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string a = dir.read("a.trx");
    const std::string b = dir.read("b.trx");
    EXPECT_EQ(a.substr(0, 22), "command ExternalTest\r\n");
    EXPECT_NE(a.find("  fprintf \"\\n10 Ten\\n\"\r\n  xf 0x10,1,0xF,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0;msf\r\n"),
              std::string::npos)
        << a;
    EXPECT_NE(b.find("  fprintf \"\\n====== Test 10,1,0F ======\\n\"\r\n"), std::string::npos) << b;
    EXPECT_EQ(dir.read("c.ini").substr(0, 16), "[PST Sequence]\r\n");
    EXPECT_NE(dir.read("c.ini").find(" = 10,1,F,,"), std::string::npos);
}

TEST_F(PstoolConvert, ImportsTheExportedStepsBack)
{
    const ProgramResult r = run({"--load", "m.rpm", "--export-ini", "c.ini", "--import-ini", "c.ini", "--print"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ids(r), (std::vector<std::string>{"10", "10"}));
}

TEST_F(PstoolConvert, UpgradesAScriptWithItsClosingSteps)
{
    dir.write("u.rpm", asText(ModuleBuilder().step(0xD1).step(0x80CA).capacity(20).build()));
    const ProgramResult r = run({"--load", "u.rpm", "--upgrade", "--print"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ids(r), (std::vector<std::string>{"D8", "3421", "D1", "3304", "DC", "DC", "DC"}));
}

TEST_F(PstoolConvert, GeneratorsReadTheModulesNamedByModule)
{
    dir.write("e6.rpm", asText(E6ModuleBuilder().test(e6Test(0x7)).tail(64).build()));
    dir.write("ptm.rpm", asText(ptmHistoryModule(ModuleLayout::Royl, {{0x20, 1, {0, 0, 0, 0}}})));
    const ProgramResult r = run({"--load", "m.rpm", "--clear", "--module", "E6=e6.rpm", "--from-e6", "--select",
                                 "0", "--module", "1100=ptm.rpm", "--from-ptm", "--select", "0", "--arco", "--print"});
    ASSERT_EQ(r.status, 0) << r.err;
    // ARCO series B with every module cancelled, then the PTM step, then the E6 block.
    EXPECT_EQ(ids(r), (std::vector<std::string>{"DC", "DC", "DC", "20", "B1", "B1", "D8", "7", "B9", "DC", "DC", "DC"}));
}

TEST_F(PstoolConvert, ExportsWithoutAModuleDoNothing)
{
    const ProgramResult r = run({"--export-trex", "a.trx", "--export-ini", "c.ini"});
    EXPECT_EQ(r.status, 0);
    EXPECT_FALSE(dir.exists("a.trx"));
    EXPECT_FALSE(dir.exists("c.ini"));
}

TEST_F(PstoolConvert, SeriesAAnswersTheQuestionWithoutReadingTheFile)
{
    dir.write("m47.rpm", asText(module47(ModuleLayout::Royl, 0x1234)));
    const ProgramResult r = run({"--load", "m.rpm", "--select", "0", "--module", "2403=never-read.rpm", "--module",
                                 "47=m47.rpm", "--arco", "--print"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ids(r), (std::vector<std::string>{"2403", "2404", "2403", "2420", "2407", "2408", "2409", "DC", "10"}));
    const nlohmann::json state = nlohmann::json::parse(r.out);
    EXPECT_EQ(state["selected"], 8); // A8
    // P3 and P4 of A1 carry the low and the high byte of module 47's word.
    EXPECT_EQ(state["steps"][0]["record"].get<std::string>().substr(24, 16), "3400000012000000");
}

// How the converters' failures and messages reach the exit status.
struct FailureCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string errStart; // the start of standard error
    std::vector<std::string> ids; // with --print last: the steps afterwards; empty: nothing printed
};

class PstoolConvertFailure : public PstoolConvert, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(PstoolConvertFailure, ReportsAndStopsAsTheWindowWould)
{
    const FailureCase& c = GetParam();
    Bytes shortE6 = E6ModuleBuilder().test(e6Test(0x7)).build();
    shortE6.resize(300);
    dir.write("short-e6.rpm", asText(shortE6));
    dir.write("e6.rpm", asText(E6ModuleBuilder().test(e6Test(0x7)).tail(64).build()));

    const ProgramResult r = run(c.args);

    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_EQ(r.err.substr(0, c.errStart.size()), c.errStart) << r.err;
    if (c.ids.empty())
        EXPECT_EQ(r.out, "");
    else
        EXPECT_EQ(ids(r), c.ids);
    EXPECT_FALSE(dir.exists("a.trx"));
}

INSTANTIATE_TEST_SUITE_P(, PstoolConvertFailure, ::testing::Values(
    FailureCase{"ShortE6EndsTheRun", {"--load", "m.rpm", "--module", "E6=short-e6.rpm", "--from-e6", "--print"}, 1,
                "pstool: error: Stream read error\n", {}},
    FailureCase{"KeepGoingPrintsTheStateAfterwards",
                {"--keep-going", "--load", "m.rpm", "--module", "E6=short-e6.rpm", "--from-e6", "--print"}, 1,
                "pstool: error: Stream read error\n", {"10"}},
    FailureCase{"AnEmptyModuleFileCancelsTheIdAgain",
                {"--load", "m.rpm", "--module", "E6=e6.rpm", "--module", "E6=", "--from-e6", "--print"}, 0, "", {"10"}},
    FailureCase{"UpgradeWithoutD1IsAMessage", {"--load", "m.rpm", "--upgrade", "--print"}, 3,
                "pstool: Upgrade needs a D1 step: nothing was changed\n", {"10"}},
    FailureCase{"ExportIntoAMissingFolder", {"--load", "m.rpm", "--export-trex", "nowhere/a.trx"}, 1,
                "pstool: error: Cannot create file \"nowhere/a.trx\". ", {}},
    FailureCase{"ImportOfAMissingFile", {"--load", "m.rpm", "--import-ini", "missing.ini"}, 1,
                "pstool: error: Cannot open file \"missing.ini\". ", {}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });
