#pragma once
// Shell sessions shown in the documentation, read back so that a test can
// run them and compare. A session is a fenced block that follows a marker
// line "<!-- example: NAME -->":
//
//     $ pstool --load script-royl-28.rpm --check     a command
//     > ...                                           its continuation lines
//     step 3: ...                                     what it prints
//
// Lines starting with "$ " begin a command, lines starting with "> "
// continue it (the shell's second prompt), every other line is output of
// the command before it.

#include <string>
#include <string_view>
#include <vector>

namespace pst::test {

struct TranscriptCommand {
    std::string command; // continuation lines joined with line breaks
    std::vector<std::string> output;
};

struct Transcript {
    std::string name;
    int line = 0; // of the marker, 1-based
    std::vector<TranscriptCommand> commands;
};

// Every marked session of a Markdown text. Throws std::runtime_error with
// the line number for a marker without a fenced block, a fence that is not
// closed, a name that is used twice, or output before the first command.
std::vector<Transcript> readTranscripts(std::string_view markdown);

// What one command printed (standard output and error as one stream) and
// its exit status.
struct CommandRun {
    std::vector<std::string> output;
    int status = 0;
};

// Runs the commands one after the other in one `sh` in `folder`, with
// `pathPrefix` put before PATH. A line's closing carriage return is not
// kept, since a terminal does not show it.
std::vector<CommandRun> runTranscript(const Transcript& t, const std::string& folder, const std::string& pathPrefix);

// Differences between what the transcript shows and what ran, one line
// each; empty when they agree. A command that fails must be followed by
// "echo $?", so that the session shows its exit status.
std::vector<std::string> compareTranscript(const Transcript& t, const std::vector<CommandRun>& runs);

} // namespace pst::test
