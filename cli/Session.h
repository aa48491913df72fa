#pragma once
// One run of pstool: the editor state of a window just shown, its host, and
// the commands of the command line run left to right.

#include "cli/ExitStatus.h"
#include "cli/PstoolHost.h"
#include "model/Editor.h"

#include <functional>
#include <ostream>
#include <string_view>
#include <string>
#include <vector>

namespace pst {
class FileSystem;
}

namespace pst::cli {

struct Invocation;

// How messages name standard output.
inline constexpr std::string_view kStandardOutput = "standard output";
inline constexpr std::string_view kStandardOutputClosed = "standard output closed";

// Why writing to standard output failed, as the error says it.
std::string outputFailure();

class Session {
public:
    Session(std::ostream& out, std::ostream& err, FileSystem& fs, std::string catalogFolder, bool keepGoing);

    Editor& editor() { return m_editor; }
    PstoolHost& host() { return m_host; }
    // Standard output, for what a command was asked to write.
    std::ostream& out() { return m_out; }

    // Runs one command as the window runs a handler: an error is reported
    // and ends that command; the views are brought up to date afterwards.
    // Its changes make one step of the script history, named by the caption
    // of the command line's command that runs it.
    void run(const std::function<void()>& command);
    // The same, with `file` answering the command's own file dialog.
    void runWithFile(const std::string& file, const std::function<void()>& command);
    // A --check finding: one line on standard output; it counts as a message.
    void reportFinding(const std::string& line);
    // Whether comparisons include the log area (--compare-logs).
    bool compareLogs() const { return m_compareLogs; }
    void setCompareLogs(bool logs) { m_compareLogs = logs; }

    // Starts as the window does when shown, then runs the commands until the
    // end or, without --keep-going, until the first error.
    ExitStatus runAll(const std::vector<Invocation>& commands);
    ExitStatus status() const;

private:
    // Flushes standard output; output that could not be written (a full
    // disk, a closed pipe) is an error.
    void checkOutput();

    bool mayGoOn(int errorsBefore) const { return m_keepGoing || m_host.errorCount() == errorsBefore; }

    std::ostream& m_out;
    PstoolHost m_host;
    Editor m_editor;
    bool m_keepGoing;
    bool m_compareLogs = false;
    std::string_view m_caption;
    int m_findings = 0;
};

} // namespace pst::cli
