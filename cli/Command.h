#pragma once
// The command table of pstool. Each command is one row: its name, the form of
// its argument, one line of help, and a binder that checks the argument while
// the command line is parsed and returns the action to run later. Commands
// live in groups, one source file each (CommandGroups.h); adding a command
// is one row in its group's table plus its handler.

#include "cli/Session.h"
#include "cli/UsageError.h"

#include <functional>
#include <string>
#include <string_view>

namespace pst::cli {

using Action = std::function<void(Session&)>;

// Checks the argument (throws UsageError when it is malformed) and binds it.
// `name` is the command's name, for the usage text.
using Binder = Action (*)(std::string_view name, const std::string& argument);

struct CommandSpec {
    std::string_view name;     // "--load"
    std::string_view argument; // "FILE"; empty for a command without one
    std::string_view help;     // one line for --help
    Binder bind;
    // The window command's caption, naming the step of the script history
    // that the command's changes make ("Insert"); empty for the others.
    std::string_view caption = {};
};

// A command of the command line with its argument bound.
struct Invocation {
    const CommandSpec* spec = nullptr;
    Action action;
};

// --- binders for the usual handler shapes -------------------------------------

// A command without an argument.
template <void (*Handler)(Session&)>
Action plain(std::string_view, const std::string&)
{
    return Handler;
}

// A command whose argument is the text of a one-line box, the empty one
// included. A line break cannot be typed there, and written into SCRIPTS.INI
// it would split the entry and could start a section of its own.
template <void (*Handler)(Session&, const std::string&)>
Action withText(std::string_view name, const std::string& argument)
{
    if (argument.find_first_of("\r\n") != std::string::npos)
        throw UsageError(std::string(name) + ": TEXT must be one line");
    return [argument](Session& s) { Handler(s, argument); };
}

// A command whose argument is a file name (not empty).
template <void (*Handler)(Session&, const std::string&)>
Action withFile(std::string_view name, const std::string& argument)
{
    if (argument.empty())
        throw UsageError(std::string(name) + ": FILE must not be empty");
    return [argument](Session& s) { Handler(s, argument); };
}

// Handler that presses one of the window's controls: runs the editor's
// handler as one command.
template <void (Editor::*Command)()>
void click(Session& s)
{
    s.run([&s] { (s.editor().*Command)(); });
}

} // namespace pst::cli
