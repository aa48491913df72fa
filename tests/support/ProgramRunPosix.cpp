#include "support/ProgramRun.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pst::test {

namespace fsys = std::filesystem;

ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args, const std::string& folder,
                         const RunOptions& options)
{
    const std::string outPath = folder + "/.stdout", errPath = folder + "/.stderr";
    int pipeEnds[2] = {-1, -1};
    if (options.closedOutput && ::pipe(pipeEnds) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        // Whatever the test runner ignores or blocks, the program starts plain.
        for (const int sig : {SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGXFSZ})
            std::signal(sig, SIG_DFL);
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        for (const std::string& assignment : options.environment)
            ::putenv(const_cast<char*>(assignment.c_str()));
        if (options.fileSizeLimit) {
            const rlimit limit{*options.fileSizeLimit, *options.fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (options.closedOutput) {
            ::close(pipeEnds[0]);
            out = pipeEnds[1];
        }
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || ::chdir(folder.c_str()) != 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0)
            ::_exit(127);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    if (options.closedOutput) {
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
    }
    if (options.whileRunning)
        options.whileRunning(pid);
    int wstatus = 0;
    ::waitpid(pid, &wstatus, 0);
    ProgramResult r;
    r.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    r.signal = WIFSIGNALED(wstatus) ? WTERMSIG(wstatus) : 0;
    auto slurp = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    r.out = slurp(outPath);
    r.err = slurp(errPath);
    fsys::remove(outPath);
    fsys::remove(errPath);
    return r;
}

} // namespace pst::test
