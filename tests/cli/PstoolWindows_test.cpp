// pstool on Windows, where POSIX's pipes, device nodes and modes have their
// counterparts: devices such as NUL, files made read-only, files held open
// by another program, and names that the system's code page cannot spell.

#include "model/SystemErrorWindows.h"
#include "model/WideStringWindows.h"
#include "support/ModuleBuilder.h"
#include "support/ProgramRun.h"
#include "support/SystemReasons.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <windows.h>

using namespace pst;
using namespace pst::test;
namespace stdfs = std::filesystem;

class PstoolWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        module = ModuleBuilder().capacity(100).step(0x10).step(0x11).step(0x12).build();
        dir.write("m.rpm", std::string(module.begin(), module.end()));
    }

    ProgramResult run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--catalogs", "."});
        return runProgram(PSTOOL_PATH, args, dir.path());
    }

    // The full name of a file of the folder, for the system's wide calls.
    std::wstring wide(const std::string& name) const { return stdfs::path(dir.path()).wstring() + L"\\" + *toWide(name); }

    // Every name in the folder but the module and the captured streams.
    std::vector<std::wstring> others() const
    {
        std::vector<std::wstring> found;
        for (const auto& entry : stdfs::directory_iterator(dir.path()))
            if (entry.path().filename() != L"m.rpm" && entry.path().filename() != L"out.rpm")
                found.push_back(entry.path().filename().wstring());
        return found;
    }

    Bytes module;
    TempFolder dir;
};

TEST_F(PstoolWindows, DevicesAreRefused)
{
    for (const char* writer : {"--save", "--export-trex", "--export-ini"}) {
        const ProgramResult r = run({"--load", "m.rpm", writer, "NUL"});
        EXPECT_EQ(r.status, 1) << writer;
        EXPECT_EQ(r.err, "pstool: error: Cannot create file \"NUL\". Not a regular file\n") << writer;
    }
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"--load", "NUL"}, {"--load", "m.rpm", "--import-ini", "NUL"}}) {
        const ProgramResult r = run(command);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "pstool: error: Cannot open file \"NUL\". Not a regular file\n");
    }
    EXPECT_TRUE(others().empty());
}

TEST_F(PstoolWindows, AReadOnlyFileIsNotReplaced)
{
    dir.write("out.rpm", "earlier");
    ASSERT_TRUE(::SetFileAttributesW(wide("out.rpm").c_str(), FILE_ATTRIBUTE_READONLY));
    const ProgramResult r = run({"--load", "m.rpm", "--save", "out.rpm"});
    ::SetFileAttributesW(wide("out.rpm").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "pstool: error: Cannot create file \"out.rpm\". " + accessDeniedReason() + "\n");
    EXPECT_EQ(dir.read("out.rpm"), "earlier");
    EXPECT_TRUE(others().empty());
}

// This test holds the file open, so for pstool another program holds it:
// sharing reading and writing but not deleting, the new module is written
// whole and only its replacing the old one fails. The old file is intact.
TEST_F(PstoolWindows, AFailedReplaceLeavesTheOldFileIntact)
{
    dir.write("out.rpm", "earlier");
    HANDLE held = ::CreateFileW(wide("out.rpm").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const ProgramResult r = run({"--load", "m.rpm", "--save", "out.rpm"});
    ::CloseHandle(held);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err == "pstool: error: Cannot create file \"out.rpm\". " + systemReason(ERROR_SHARING_VIOLATION) + "\n"
                || r.err == "pstool: error: Cannot create file \"out.rpm\". "
                                + systemReason(ERROR_UNABLE_TO_REMOVE_REPLACED) + "\n")
        << r.err;
    EXPECT_EQ(dir.read("out.rpm"), "earlier");
    EXPECT_EQ(others(), std::vector<std::wstring>{});

    // Once it is let go, the same save replaces it.
    EXPECT_EQ(run({"--load", "m.rpm", "--save", "out.rpm", "--save", "again.rpm"}).status, 0);
    EXPECT_TRUE(dir.read("out.rpm") == dir.read("again.rpm"));
}

// The arguments reach pstool as UTF-8 from the wide command line, also where
// the system's code page has no letter for them.
TEST_F(PstoolWindows, NamesOutsideTheCodePageAreLoadedAndSaved)
{
    const std::string in = "\xCE\xBC\xCE\xBF\xCE\xBD\xCF\x84\xCE\xAD\xCE\xBB\xCE\xBF.rpm"; // Greek
    const std::string out = "\xE5\x87\xBA\xE5\x8A\x9B \xE2\x82\xAC.rpm";                  // Chinese and €
    ASSERT_TRUE(::CopyFileW(wide("m.rpm").c_str(), wide(in).c_str(), TRUE));
    const ProgramResult r = run({"--load", in, "--save", out});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(::GetFileAttributesW(wide(out).c_str()), INVALID_FILE_ATTRIBUTES);
    const ProgramResult missing = run({"--load", "\xE2\x82\xAC-none.rpm"});
    EXPECT_EQ(missing.err, "pstool: error: Cannot open file \"\xE2\x82\xAC-none.rpm\". " + noSuchFileReason() + "\n");
}
