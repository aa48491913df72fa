#pragma once
// Runs a built program (pstool) in a folder and captures what it wrote.

#include <string>
#include <vector>

namespace pst::test {

struct ProgramResult {
    int status = -1;
    std::string out;
    std::string err;
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
ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args, const std::string& folder);

} // namespace pst::test
