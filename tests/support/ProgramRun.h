#pragma once
// Runs a built program (pstool) in a folder and captures what it wrote.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pst::test {

struct ProgramResult {
    int status = -1; // the exit status, -1 when a signal ended the program
    int signal = 0;  // the signal that ended it
    std::string out;
    std::string err;
};

// How the program runs, beyond the defaults (every signal's default action).
struct RunOptions {
    std::vector<std::string> environment;           // NAME=VALUE, added
    std::optional<std::uint64_t> fileSizeLimit;     // bytes, as `ulimit -f`
    bool closedOutput = false;                      // standard output a pipe nobody reads
    std::function<void(int pid)> whileRunning;      // then waits for the end
};

// A fresh temporary folder, removed with everything in it at destruction.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;

private:
    std::string m_path;
};

// Runs `program` with `args` in `folder`; stdout and stderr are captured.
ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args, const std::string& folder,
                         const RunOptions& options = {});

} // namespace pst::test
