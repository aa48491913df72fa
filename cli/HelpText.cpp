#include "cli/HelpText.h"

#include "cli/CommandTable.h"
#include "cli/ManPage.h"
#include "cli/PlainHelp.h"

namespace pst::cli {

namespace {

constexpr char kPackage[] = "pstedit";

HelpSection options()
{
    return {"Options",
            24,
            {item("--catalogs DIR", "the folder of ModDescr.ini, Errors.ini and SCRIPTS.INI (default: the folder of "
                                    "the pstool program; when none of the three lies there, the installed catalogs "
                                    "folder ../share/pstedit/catalogs beside it)"),
             item("--keep-going", "after an error, go on with the next command (without it the first error ends "
                                  "the run)"),
             item("--help", "display this help and exit"),
             item("--version", "output version information and exit"),
             paragraph("They come before the first command; each may be given more than once (the last "
                       "--catalogs counts).")}};
}

HelpSection commands()
{
    HelpSection section{"Commands", 24, {}};
    for (const CommandSpec& c : allCommands()) {
        const std::string usage =
            c.argument.empty() ? std::string(c.name) : std::string(c.name) + " " + std::string(c.argument);
        section.blocks.push_back(item(usage, std::string(c.help)));
    }
    section.blocks.push_back(paragraph("A command takes the next word as its argument, whatever it looks like. ID "
                                       "and OFFSET are hexadecimal, N is decimal; FILE must not be empty."));
    return section;
}

HelpSection output()
{
    return {"Output",
            24,
            {paragraph("--print writes one JSON object on one line: title, layout (royl, legacy32, legacy28), "
                       "recordSize, maxStepCount, imageSize, modId, selected (1-based, 0 for none), status, family, "
                       "custom, steps [{id, description, icon (null, 1 passed, 2 failed, 3 no result), record "
                       "(lower-case hex)}], modified, undo, redo (the captions of the steps --undo and --redo "
                       "would take, or null)."),
             paragraph("--undo and --redo take back and bring back one step of the script history, as Undo and "
                       "Redo of the window: every command that changed the rows is one step, named by its caption "
                       "(\"Insert\", \"Set Eror Step to END\", \"Save\" for its END rule, \"Drop\" for a step text "
                       "file, \"Typing\" for --poke, consecutive --poke into one step being one step). --load and a "
                       "dropped module start a new history; with nothing to undo or redo they do nothing."),
             paragraph("--check writes one finding a line, nothing when there is none:"),
             verbatim("checksum: invalid for layout L"),
             verbatim("step S: FIELD = V points past the end (N steps)"),
             paragraph("--compare FILE writes one difference a line, FILE's script on the left and the editor's "
                       "on the right (steps in decimal, values in hexadecimal), then a summary line:"),
             verbatim("- step S (ID)                 only in FILE (or: moved to step T)"),
             verbatim("+ step T (ID)                 only in the editor (or: moved from step S)"),
             verbatim("~ step S = T (ID): FIELD OLD -> NEW"),
             verbatim("= N steps in FILE, M in the editor: R removed, A added, V moved, C changed"),
             paragraph("Links that point to corresponding steps are the same, whatever their numbers; a changed "
                       "link names the steps: GOTO_ON_ERR 15 -> 16 (step 21: B9 -> step 22: DC). --compare-json "
                       "writes the same as one JSON object."),
             paragraph("Messages of the window go to standard error as \"pstool: <text>\" and the run goes on; "
                       "errors as \"pstool: error: <text>\"."),
             paragraph("Example: upgrade every module of a folder and export each as a TREX script:"),
             verbatim("for f in modules/*.rpm; do"),
             verbatim("  pstool --load \"$f\" --upgrade --save \"$f\" --export-trex \"${f%.rpm}.trx\""),
             verbatim("done")}};
}

HelpSection exitStatus()
{
    return {"Exit status",
            6,
            {item("0", "no error and no message"),
             item("1", "an error"),
             item("2", "a usage error, reported before anything runs"),
             item("3", "messages, --check findings or differences found by --compare, but no error")}};
}

} // namespace

HelpDocument pstoolHelp()
{
    return {"pstool",
            "Run the self scan script editor's commands on module files, without a window",
            {"[--catalogs DIR] [--keep-going] COMMAND...", "--help | --version"},
            {"Runs the commands left to right on one editor state (one module image, one step list with a "
             "selection, the module id box, the Step box), as a user would at the window. Every file dialog is "
             "answered from the command line.",
             "It starts as a window just shown: nothing loaded, module id 28, Step checked, the family box holding "
             "the first family of SCRIPTS.INI (else \"Work\")."},
            {options(), commands(), output(), exitStatus()},
            "The user guide, guide.md, with worked examples, and pstool.md, the full reference, are in the "
            "documentation folder of pstedit (share/doc/pstedit)."};
}

std::string helpText() { return renderPlainHelp(pstoolHelp()); }

std::string versionText()
{
    return std::string("pstool (") + kPackage + ") " PST_VERSION "\n"
           "This program comes with NO WARRANTY, to the extent permitted by law.\n";
}

std::string manPageText() { return renderManPage(pstoolHelp(), std::string(kPackage) + " " PST_VERSION); }

} // namespace pst::cli
