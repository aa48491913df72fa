#include "cli/Arguments.h"
#include "cli/CommandLine.h"
#include "cli/CommandTable.h"
#include "cli/PstoolHost.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

using namespace pst;
using namespace pst::cli;

namespace {

std::string usageError(const std::vector<std::string>& args)
{
    try {
        parseCommandLine(args);
    } catch (const UsageError& e) {
        return e.what();
    }
    return "(parsed)";
}

} // namespace

TEST(CommandLine, ReportsEveryKindOfUsageError)
{
    struct Case {
        std::vector<std::string> args;
        std::string error;
    };
    const Case cases[] = {
        {{}, "no command given"},
        {{"--keep-going", "--catalogs", "x"}, "no command given"},
        {{"--catalogs"}, "--catalogs needs an argument DIR"},
        {{"--lod", "a.rpm"}, "unknown command '--lod' (did you mean --load?)"},
        {{"load"}, "unknown command 'load' (did you mean --load?)"},
        {{"--frobnicate"}, "unknown command '--frobnicate'"},
        {{"--print", "--keep-going"}, "global option --keep-going must come before the first command"},
        {{"--print", "--help"}, "global option --help must come before the first command"},
        {{"--save"}, "--save needs an argument FILE"},
        {{"--save", ""}, "--save: FILE must not be empty"},
        {{"--select", "-1"}, "--select: expected a row number, got '-1'"},
        {{"--select", "0x2"}, "--select: expected a row number, got '0x2'"},
        {{"--poke", "48"}, "--poke: expected OFFSET=HEX (one to four hex digits, then pairs of hex digits), got '48'"},
        {{"--poke", "10000=00"}, "--poke: expected OFFSET=HEX (one to four hex digits, then pairs of hex digits), got '10000=00'"},
        {{"--module", "=a.rpm"}, "--module: expected ID=FILE with ID one to four hex digits, got '=a.rpm'"},
        {{"--custom", "Spin up\n[Other]"}, "--custom: TEXT must be one line"},
        {{"--family", "Lab\r"}, "--family: TEXT must be one line"},
        {{"--mod-id", "3B\n"}, "--mod-id: TEXT must be one line"},
        // A later usage error still stops everything, the earlier commands included.
        {{"--load", "a.rpm", "--print", "--bogus"}, "unknown command '--bogus'"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(usageError(c.args), c.error) << testing::PrintToString(c.args);
}

TEST(CommandLine, ParsesGlobalOptionsAndCommandsInOrder)
{
    const CommandLine line = parseCommandLine(
        {"--catalogs", "a", "--keep-going", "--catalogs", "b", "--load", "--print", "--select", "3", "--mod-id", ""});
    EXPECT_EQ(line.mode, CommandLine::Mode::Run);
    EXPECT_EQ(line.catalogs, "b");
    EXPECT_TRUE(line.keepGoing);
    ASSERT_EQ(line.commands.size(), 3u); // "--print" is --load's FILE
    EXPECT_EQ(line.commands[0].spec->name, "--load");
    EXPECT_EQ(line.commands[1].spec->name, "--select");
    EXPECT_EQ(line.commands[2].spec->name, "--mod-id");

    EXPECT_EQ(parseCommandLine({"--help"}).mode, CommandLine::Mode::Help);
    EXPECT_EQ(parseCommandLine({"--keep-going", "--version", "--bogus"}).mode, CommandLine::Mode::Version);
}

TEST(CommandLine, TableNamesAreUniqueOptions)
{
    std::set<std::string_view> names;
    for (const CommandSpec& c : allCommands()) {
        EXPECT_EQ(c.name.substr(0, 2), "--");
        EXPECT_TRUE(names.insert(c.name).second) << c.name;
        EXPECT_FALSE(c.help.empty()) << c.name;
        EXPECT_NE(c.bind, nullptr) << c.name;
    }
}

TEST(Arguments, ReadNumbersStrictly)
{
    EXPECT_EQ(parseHexDigits("E6", 4), 0xE6u);
    EXPECT_EQ(parseHexDigits("20c0", 4), 0x20C0u);
    EXPECT_EQ(parseHexDigits("", 4), std::nullopt);
    EXPECT_EQ(parseHexDigits("12345", 4), std::nullopt);
    EXPECT_EQ(parseHexDigits(" 1", 4), std::nullopt);

    EXPECT_EQ(parseHexBytes("00ffA5"), (Bytes{0x00, 0xFF, 0xA5}));
    EXPECT_EQ(parseHexBytes("abc"), std::nullopt);
    EXPECT_EQ(parseHexBytes(""), std::nullopt);
    EXPECT_EQ(parseHexBytes("0g"), std::nullopt);

    EXPECT_EQ(parseRowNumber("0"), 0);
    EXPECT_EQ(parseRowNumber("007"), 7);
    EXPECT_EQ(parseRowNumber("99999999999999999999"), std::numeric_limits<int>::max());
    EXPECT_EQ(parseRowNumber("+1"), std::nullopt);
    EXPECT_EQ(parseRowNumber(""), std::nullopt);

    const auto module = parseModuleAssignment("1100=a=b.rpm");
    ASSERT_TRUE(module);
    EXPECT_EQ(module->id, 0x1100);
    EXPECT_EQ(module->file, "a=b.rpm");
    EXPECT_EQ(parseModuleAssignment("E6=")->file, "");

    const auto poke = parsePoke("48=FFFF");
    ASSERT_TRUE(poke);
    EXPECT_EQ(poke->offset, 0x48u);
    EXPECT_EQ(poke->bytes, (Bytes{0xFF, 0xFF}));
}

TEST(PstoolHost, AnswersDialogsFromTheCommandFileAndTheModuleMap)
{
    std::ostringstream err;
    PstoolHost host(err);
    const FileDialogState dialog;
    auto open = [&](DialogPurpose purpose, std::optional<std::uint16_t> id = std::nullopt) {
        return host.openDialog({purpose, id, dialog});
    };

    EXPECT_EQ(open(DialogPurpose::LoadModule, 0x28), std::nullopt);
    host.setCommandFile("script.rpm");
    EXPECT_EQ(open(DialogPurpose::LoadModule, 0x28), "script.rpm");
    EXPECT_EQ(host.saveDialog({DialogPurpose::SaveModule, 0x28, dialog}), "script.rpm");
    EXPECT_EQ(open(DialogPurpose::ReadModule, 0xE6), std::nullopt); // the command file is not a module answer

    host.setModuleFile(0xE6, "e6.rpm");
    host.setModuleFile(0xE6, "e6-new.rpm");
    host.setModuleFile(0x47, "47.rpm");
    EXPECT_EQ(open(DialogPurpose::ReadModule, 0xE6), "e6-new.rpm");
    EXPECT_EQ(open(DialogPurpose::ConfirmModule, 0x47), "47.rpm");
    host.setModuleFile(0xE6, "");
    EXPECT_EQ(open(DialogPurpose::ConfirmModule, 0xE6), std::nullopt);

    host.showMessage("Need Enter Name");
    host.showError("Stream read error");
    EXPECT_EQ(err.str(), "pstool: Need Enter Name\npstool: error: Stream read error\n");
    EXPECT_EQ(host.messageCount(), 1);
    EXPECT_EQ(host.errorCount(), 1);
}
