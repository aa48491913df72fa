// pstool against files that are no files, files too large, interrupts, a
// full file size limit and a closed output: nothing destroyed, nothing hung,
// nothing left behind.

#include "model/FileSystem.h"
#include "support/ModuleBuilder.h"
#include "support/ProgramRun.h"
#include "support/SystemReasons.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>
#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

using namespace pst;
using namespace pst::test;
namespace stdfs = std::filesystem;

class PstoolHostileFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        const Bytes module = ModuleBuilder().capacity(100).step(0x10).step(0x11).step(0x12).build();
        dir.write("m.rpm", std::string(module.begin(), module.end()));
        dir.write("ModDescr.ini", "[Desc]\n10=Ten\n");
    }

    ProgramResult run(std::vector<std::string> args, const RunOptions& options = {})
    {
        args.insert(args.begin(), {"--catalogs", "."});
        return runProgram(PSTOOL_PATH, args, dir.path(), options);
    }

    // The temporary files of writes left in the folder.
    std::vector<std::string> leftovers() const
    {
        std::vector<std::string> found;
        for (const auto& entry : stdfs::directory_iterator(dir.path()))
            if (entry.path().filename().string().find(".pst-") != std::string::npos)
                found.push_back(entry.path().filename().string());
        return found;
    }

    TempFolder dir;
};

TEST_F(PstoolHostileFiles, WritesToAPipeADeviceOrAnOpenStreamAreRefused)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX pipes, device nodes and /dev/stdout; on Windows: PstoolWindows.DevicesAreRefused";
#else
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0644), 0);
    std::vector<std::string> targets = {"fifo", "/dev/stdout"};
    if (::mknod(dir.file("mynull").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        targets.push_back("mynull"); // a copy of the null device, as root
    for (const std::string& target : targets) {
        for (const char* writer : {"--save", "--export-trex", "--export-ini"}) {
            // The run goes on to print: standard output is still the one it was.
            const ProgramResult r = run({"--keep-going", "--load", "m.rpm", writer, target, "--print"});
            EXPECT_EQ(r.status, 1) << writer << " " << target;
            EXPECT_EQ(r.err, "pstool: error: Cannot create file \"" + target + "\". Not a regular file\n")
                << writer;
            EXPECT_EQ(r.out.rfind("{\"title\"", 0), 0u) << writer << " " << target;
        }
    }
    EXPECT_TRUE(stdfs::is_fifo(dir.file("fifo")));
    EXPECT_TRUE(targets.size() == 2 || stdfs::is_character_file(dir.file("mynull")));
    EXPECT_TRUE(leftovers().empty());
#endif
}

TEST_F(PstoolHostileFiles, ReadsOfAPipeOrADeviceAreRefusedWithoutWaiting)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX pipes and device nodes; on Windows: PstoolWindows.DevicesAreRefused";
#else
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0644), 0); // nobody will write to it
    const std::vector<std::vector<std::string>> commands = {
        {"--load", "fifo"},
        {"--load", "/dev/null"},
        {"--load", "m.rpm", "--import-ini", "fifo"},
        {"--load", "m.rpm", "--module", "E6=fifo", "--from-e6"},
    };
    for (const auto& command : commands) {
        const ProgramResult r = run(command);
        EXPECT_EQ(r.status, 1) << command[1];
        const std::string source = command.back() == "--from-e6" ? "fifo" : command.back();
        EXPECT_EQ(r.err, "pstool: error: Cannot open file \"" + source + "\". Not a regular file\n") << command[1];
    }
#endif
}

TEST_F(PstoolHostileFiles, FilesPastTheSizeLimitAreRefusedUnread)
{
    for (const char* name : {"big.rpm", "big.ini"}) {
        dir.write(name, ""); // sparse: no disk taken
        stdfs::resize_file(dir.file(name), kMaxModuleFileSize + 1);
    }
    for (const auto& command : std::vector<std::vector<std::string>>{
             {"--load", "big.rpm"}, {"--load", "m.rpm", "--import-ini", "big.ini"}}) {
        const ProgramResult r = run(command);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "pstool: error: Cannot open file \"" + command.back() + "\". File too large\n");
    }
}

TEST_F(PstoolHostileFiles, AnInterruptDuringASaveLeavesTheEarlierFileAndNoTemporary)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX signals; Windows has console control events, which a test cannot send to a program without a console";
#else
    for (const int sig : {SIGINT, SIGTERM, SIGHUP}) {
        dir.write("out.rpm", "earlier");
        RunOptions options;
        options.environment = {"PST_TEST_PAUSE_BEFORE_RENAME_MS=10000"};
        bool sent = false;
        options.whileRunning = [&](int pid) {
            // The temporary file is complete and waits for its rename.
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (leftovers().empty() && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            sent = !leftovers().empty();
            ::kill(pid, sent ? sig : SIGKILL);
        };
        const ProgramResult r = run({"--load", "m.rpm", "--save", "out.rpm"}, options);
        ASSERT_TRUE(sent) << "no temporary file seen";
        EXPECT_EQ(r.signal, sig) << "ended as the signal ends it";
        EXPECT_EQ(dir.read("out.rpm"), "earlier");
        EXPECT_EQ(leftovers(), std::vector<std::string>{}) << sig;
    }
#endif
}

TEST_F(PstoolHostileFiles, AWritePastTheFileSizeLimitIsAnErrorWithNothingLeft)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no file size limit of a process (ulimit -f)";
#else
    RunOptions options;
    options.fileSizeLimit = 4096; // the module has more than 13,000 bytes
    const ProgramResult r = run({"--load", "m.rpm", "--save", "out.rpm"}, options);
    EXPECT_EQ(r.signal, 0);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "pstool: error: Cannot create file \"out.rpm\". File too large\n");
    EXPECT_FALSE(dir.exists("out.rpm"));
    EXPECT_TRUE(leftovers().empty());
#endif
}

TEST_F(PstoolHostileFiles, AClosedStandardOutputIsAnErrorAndTheRunGoesOn)
{
    RunOptions options;
    options.closedOutput = true;
    const ProgramResult r = run({"--keep-going", "--load", "m.rpm", "--print", "--save", "out.rpm"}, options);
    EXPECT_EQ(r.signal, 0);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "pstool: error: standard output closed\n");
    EXPECT_TRUE(dir.exists("out.rpm"));
}

TEST_F(PstoolHostileFiles, FileNamesInMessagesShowControlCharactersEscaped)
{
    const ProgramResult r = run({"--load", "new\nline\x1b[31m.rpm"});
    EXPECT_EQ(r.err, "pstool: error: Cannot open file \"new\\nline\\x1b[31m.rpm\". " + controlCharacterNameReason() + "\n");
}
