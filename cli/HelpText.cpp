#include "cli/HelpText.h"

#include "cli/CommandTable.h"

namespace pst::cli {

namespace {

constexpr std::size_t kHelpColumn = 24;

std::string helpLine(std::string_view usage, std::string_view help)
{
    std::string line = "  " + std::string(usage);
    line += line.size() < kHelpColumn ? std::string(kHelpColumn - line.size(), ' ') : "  ";
    return line + std::string(help) + "\n";
}

std::string commandUsage(const CommandSpec& c)
{
    return c.argument.empty() ? std::string(c.name) : std::string(c.name) + " " + std::string(c.argument);
}

} // namespace

std::string helpText()
{
    std::string text =
        "Usage: pstool [--catalogs DIR] [--keep-going] COMMAND...\n"
        "       pstool --help | --version\n"
        "\n"
        "Runs the commands left to right on one editor state (one module image, one\n"
        "step list with a selection, the module id box, the Step box), as a user\n"
        "would at the window. Every file dialog is answered from the command line.\n"
        "It starts as a window just shown: nothing loaded, module id 28, Step checked,\n"
        "the family box holding the first family of SCRIPTS.INI (else \"Work\").\n"
        "\n"
        "Global options (before the first command):\n";
    text += helpLine("--catalogs DIR", "folder of ModDescr.ini, Errors.ini and SCRIPTS.INI");
    text += helpLine("", "(default: the folder of the pstool executable)");
    text += helpLine("--keep-going", "after an error, go on with the next command");
    text += "\nCommands:\n";
    for (const CommandSpec& c : allCommands())
        text += helpLine(commandUsage(c), c.help);
    text +=
        "\n"
        "--print writes one JSON object on one line: title, layout (royl, legacy32,\n"
        "legacy28), recordSize, maxStepCount, imageSize, modId, selected (1-based, 0 for\n"
        "none), status, family, custom, steps [{id, description, icon (null, 1 passed,\n"
        "2 failed, 3 no result), record (lower-case hex)}], modified.\n"
        "--check writes one finding a line, nothing when there is none:\n"
        "  checksum: invalid for layout L\n"
        "  step S: FIELD = V points past the end (N steps)\n"
        "\n"
        "Messages go to standard error as \"pstool: <text>\", errors as\n"
        "\"pstool: error: <text>\"; without --keep-going the first error ends the run.\n"
        "\n"
        "Exit status: 0 no error and no message; 3 messages or --check findings but no\n"
        "error; 1 an error; 2 a usage error (reported before anything runs).\n";
    return text;
}

std::string versionText()
{
    return "pstool " PST_VERSION "\n";
}

} // namespace pst::cli
