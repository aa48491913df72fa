// pstool's help and manual page: both written from one document, the help
// fitting a terminal, the page valid roff that names every command.

#include "cli/CommandTable.h"
#include "cli/HelpText.h"
#include "cli/ManPage.h"
#include "cli/PlainHelp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace pst::cli;

namespace {

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

std::string usageOf(const CommandSpec& c)
{
    return c.argument.empty() ? std::string(c.name) : std::string(c.name) + " " + std::string(c.argument);
}

TEST(PlainHelp, WrapsAtBlanks)
{
    struct Case {
        const char* text;
        std::size_t first, indent, width;
        const char* wrapped;
    };
    const Case cases[] = {
        {"a b c", 0, 0, 3, "a b\nc"},
        {"aa bb cc", 4, 2, 8, "aa\n  bb cc"},
        {"abcdefgh ij", 0, 2, 5, "abcdefgh\n  ij"}, // a long word stands alone
        {"  a   b  ", 0, 0, 10, "a b"},
        {"", 3, 3, 10, ""},
        {"word", 9, 2, 5, "word"}, // the first word never moves to a line of its own
    };
    for (const Case& c : cases)
        EXPECT_EQ(wrapText(c.text, c.first, c.indent, c.width), c.wrapped) << c.text;
}

HelpDocument smallDocument()
{
    return {"tool",
            "Do a thing",
            {"[-x] FILE", "--help"},
            {"Reads FILE."},
            {{"Options", 12, {item("-x", "be exact"), item("--very-long-option", "on the next line")}},
             {"Notes", 12, {paragraph("First."), verbatim("tool -x a"), verbatim("tool b"), paragraph("Last.")}}},
            "See the guide."};
}

TEST(PlainHelp, LaysOutSectionsItemsAndExamples)
{
    EXPECT_EQ(renderPlainHelp(smallDocument()), "Usage: tool [-x] FILE\n"
                                                "  or:  tool --help\n"
                                                "Do a thing.\n"
                                                "\n"
                                                "Reads FILE.\n"
                                                "\n"
                                                "Options:\n"
                                                "  -x        be exact\n"
                                                "  --very-long-option\n"
                                                "            on the next line\n"
                                                "\n"
                                                "Notes:\n"
                                                "First.\n"
                                                "\n"
                                                "  tool -x a\n"
                                                "  tool b\n"
                                                "\n"
                                                "Last.\n"
                                                "\n"
                                                "See the guide.\n");
}

TEST(ManPage, EscapesWhatRoffWouldRead)
{
    const std::pair<const char*, const char*> cases[] = {
        {"--load FILE", "\\-\\-load FILE"},
        {"a\\nb", "a\\enb"},
        {".hidden", "\\&.hidden"},
        {"'quoted'", "\\&'quoted'"},
        {"x.y 'z'", "x.y 'z'"},
    };
    for (const auto& [text, escaped] : cases)
        EXPECT_EQ(roffEscape(text), escaped) << text;
}

TEST(ManPage, WritesTheSectionsOfAPage)
{
    EXPECT_EQ(renderManPage(smallDocument(), "pkg 1.0"), ".TH TOOL 1 \"\" \"pkg 1.0\" \"User Commands\"\n"
                                                         ".nh\n.ad l\n"
                                                         ".SH NAME\ntool \\- do a thing\n"
                                                         ".SH SYNOPSIS\n\\fBtool\\fR [\\-x] FILE\n.br\n"
                                                         "\\fBtool\\fR \\-\\-help\n"
                                                         ".SH DESCRIPTION\n.PP\nReads FILE.\n"
                                                         ".SH OPTIONS\n.TP\n\\fB\\-x\\fR\nbe exact\n"
                                                         ".TP\n\\fB\\-\\-very\\-long\\-option\\fR\non the next line\n"
                                                         ".SH NOTES\n.PP\nFirst.\n"
                                                         ".PP\n.RS\n.nf\ntool \\-x a\ntool b\n.fi\n.RE\n"
                                                         ".PP\nLast.\n"
                                                         ".SH SEE ALSO\nSee the guide.\n");
}

TEST(PstoolHelp, FitsATerminalAndListsEveryCommand)
{
    const std::string help = helpText();
    for (const std::string& line : lines(help))
        EXPECT_LE(line.size(), kHelpWidth) << line;
    for (const CommandSpec& c : allCommands()) {
        const std::string entry = "\n  " + usageOf(c);
        EXPECT_TRUE(help.find(entry + " ") != std::string::npos || help.find(entry + "\n") != std::string::npos)
            << c.name;
    }
    for (const char* option : {"\n  --catalogs DIR ", "\n  --keep-going ", "\n  --help ", "\n  --version "})
        EXPECT_NE(help.find(option), std::string::npos) << option;
}

TEST(PstoolManPage, NamesEveryCommandInValidRequests)
{
    const std::string page = manPageText();
    for (const CommandSpec& c : allCommands())
        EXPECT_NE(page.find(".TP\n\\fB" + roffEscape(c.name) + "\\fR"), std::string::npos) << c.name;
    for (const char* section : {".SH NAME\npstool \\- run the self scan script editor's commands", ".SH SYNOPSIS", ".SH DESCRIPTION",
                                ".SH COMMANDS", ".SH EXIT STATUS", ".SH SEE ALSO"})
        EXPECT_NE(page.find(section), std::string::npos) << section;
    const std::vector<std::string> requests = {".TH", ".nh", ".ad", ".SH", ".PP", ".TP", ".RS", ".RE", ".nf", ".fi", ".br"};
    for (const std::string& line : lines(page)) {
        if (line.empty() || (line[0] != '.' && line[0] != '\''))
            continue;
        EXPECT_NE(std::find(requests.begin(), requests.end(), line.substr(0, 3)), requests.end()) << line;
    }
    for (std::size_t at = page.find('-'); at != std::string::npos; at = page.find('-', at + 1))
        EXPECT_EQ(page[at - 1], '\\') << "an unescaped minus sign: " << page.substr(at - 20, 40);
}

} // namespace
