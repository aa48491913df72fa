#include "support/Transcript.h"

#include "support/ProgramRun.h"

#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace pst::test {

namespace {

constexpr std::string_view kMarker = "<!-- example: ";
constexpr std::string_view kMarkerEnd = " -->";
constexpr std::string_view kFence = "```";
// Separators the shell prints around each command's output: before it the
// command's number, after it the exit status. Control characters that no
// example prints.
constexpr char kBegin = '\036';
constexpr char kEnd = '\037';

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        lines.emplace_back(text.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

std::runtime_error failure(int line, const std::string& what)
{
    return std::runtime_error("line " + std::to_string(line) + ": " + what);
}

// The session of the fenced block that starts at lines[at]; `at` ends past
// its closing fence.
std::vector<TranscriptCommand> readBlock(const std::vector<std::string>& lines, std::size_t& at)
{
    std::vector<TranscriptCommand> commands;
    for (; at < lines.size(); ++at) {
        const std::string& line = lines[at];
        if (line.rfind(kFence, 0) == 0) {
            ++at;
            return commands;
        }
        if (line.rfind("$ ", 0) == 0) {
            commands.push_back({line.substr(2), {}});
        } else if (commands.empty()) {
            throw failure(static_cast<int>(at + 1), "output before the first command");
        } else if (line.rfind("> ", 0) == 0 && commands.back().output.empty()) {
            commands.back().command += "\n" + line.substr(2);
        } else {
            commands.back().output.push_back(line);
        }
    }
    throw failure(static_cast<int>(at), "the example's block is not closed");
}

std::string readWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The shell script: each command between its separators, with $? kept for
// the next command (so that "echo $?" shows the status of the one before).
std::string shellScript(const Transcript& t, const std::string& pathPrefix)
{
    std::string script = "PATH='" + pathPrefix + "':\"$PATH\"; export PATH; LC_ALL=C; export LC_ALL\n__s=0\n";
    for (std::size_t i = 0; i < t.commands.size(); ++i) {
        script += "printf '\\036%d\\n' " + std::to_string(i) + "\n(exit $__s)\n";
        script += t.commands[i].command + "\n";
        script += "__s=$?\nprintf '\\037%d\\n' \"$__s\"\n";
    }
    return script;
}

int runShell(const std::string& script, const std::string& folder, const std::string& outputFile)
{
    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int out = ::open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int in = ::open("/dev/null", O_RDONLY);
        if (out < 0 || in < 0 || ::chdir(folder.c_str()) != 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 ||
            ::dup2(out, 2) < 0)
            ::_exit(127);
        ::execl("/bin/sh", "sh", "-c", script.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int wstatus = 0;
    ::waitpid(pid, &wstatus, 0);
    return WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
}

// Splits the shell's output at the separators.
std::vector<CommandRun> splitRuns(const std::string& text, std::size_t count)
{
    std::vector<CommandRun> runs(count, CommandRun{{}, -1});
    std::size_t at = 0;
    while ((at = text.find(kBegin, at)) != std::string::npos) {
        const std::size_t numberEnd = text.find('\n', at);
        const std::size_t index = std::stoul(text.substr(at + 1, numberEnd - at - 1));
        const std::size_t end = text.find(kEnd, numberEnd);
        if (index >= count || end == std::string::npos)
            break;
        for (std::string line : splitLines(text.substr(numberEnd + 1, end - numberEnd - 1))) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            runs[index].output.push_back(line);
        }
        runs[index].status = std::stoi(text.substr(end + 1, text.find('\n', end) - end - 1));
        at = end;
    }
    return runs;
}

std::string quoted(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& l : lines)
        text += "\n    | " + l;
    return text.empty() ? " (nothing)" : text;
}

} // namespace

std::vector<Transcript> readTranscripts(std::string_view markdown)
{
    const std::vector<std::string> lines = splitLines(markdown);
    std::vector<Transcript> transcripts;
    std::set<std::string> names;
    std::size_t at = 0;
    while (at < lines.size()) {
        const std::string& line = lines[at++];
        if (line.rfind(kMarker, 0) != 0 || line.size() < kMarker.size() + kMarkerEnd.size() ||
            line.compare(line.size() - kMarkerEnd.size(), kMarkerEnd.size(), kMarkerEnd) != 0)
            continue;
        Transcript t{line.substr(kMarker.size(), line.size() - kMarker.size() - kMarkerEnd.size()),
                     static_cast<int>(at), {}};
        if (!names.insert(t.name).second)
            throw failure(t.line, "a second example named " + t.name);
        if (at >= lines.size() || lines[at].rfind(kFence, 0) != 0)
            throw failure(t.line, "the marker is not followed by a fenced block");
        ++at;
        t.commands = readBlock(lines, at);
        transcripts.push_back(std::move(t));
    }
    return transcripts;
}

std::vector<CommandRun> runTranscript(const Transcript& t, const std::string& folder, const std::string& pathPrefix)
{
    TempFolder scratch;
    const std::string outputFile = scratch.file("output");
    runShell(shellScript(t, pathPrefix), folder, outputFile);
    return splitRuns(readWhole(outputFile), t.commands.size());
}

std::vector<std::string> compareTranscript(const Transcript& t, const std::vector<CommandRun>& runs)
{
    std::vector<std::string> differences;
    for (std::size_t i = 0; i < t.commands.size() && i < runs.size(); ++i) {
        const TranscriptCommand& c = t.commands[i];
        const std::string where = "$ " + c.command + "\n  ";
        if (runs[i].status < 0) {
            differences.push_back(where + "did not run to its end");
            continue;
        }
        if (runs[i].output != c.output)
            differences.push_back(where + "shown:" + quoted(c.output) + "\n  printed:" + quoted(runs[i].output));
        const bool statusShown = i + 1 < t.commands.size() && t.commands[i + 1].command == "echo $?";
        if (runs[i].status != 0 && !statusShown)
            differences.push_back(where + "exits with " + std::to_string(runs[i].status) +
                                  ", which the example does not show (follow it with echo $?)");
    }
    return differences;
}

} // namespace pst::test
