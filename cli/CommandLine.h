#pragma once
// The whole command line, parsed before anything runs:
//
//     pstool [--catalogs DIR] [--keep-going] COMMAND...
//     pstool --help | --version
//
// Global options come before the first command and may be repeated (the
// last --catalogs counts). Each command takes the next word as its argument
// when it has one, whatever that word looks like.

#include "cli/Command.h"

#include <optional>
#include <string>
#include <vector>

namespace pst::cli {

struct CommandLine {
    enum class Mode { Run, Help, Version };
    Mode mode = Mode::Run;
    std::optional<std::string> catalogs;
    bool keepGoing = false;
    std::vector<Invocation> commands;
};

// `args` without the program name. Throws UsageError for an unknown command,
// a missing or malformed argument, a global option after the first command,
// or no command at all. --help or --version among the global options ends
// the parse.
CommandLine parseCommandLine(const std::vector<std::string>& args);

} // namespace pst::cli
