#include "catalogs/Catalogs.h"

#include "catalogs/CustomTests.h"
#include "model/Error.h"
#include "model/FileSystem.h"
#include "support/MemoryFileSystem.h"
#include "support/ProgramRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#endif

using namespace pst;
using pst::test::MemoryFileSystem;

class CatalogsTest : public ::testing::Test {
protected:
    MemoryFileSystem fs;
    Catalogs catalogs{fs, "/cat"};
};

TEST_F(CatalogsTest, KeysOfTestIds)
{
    fs.put("/cat/ModDescr.ini", std::string_view(
        "[Desc]\nff=Two digits\n0100=Four digits\n05=Five\nB000=Desc of B000\n"
        "[HOST_SEQ]\n8199=Host seq\nB000=Host B000\n[ARCO]\n5a=Arco five A\n"));
    EXPECT_EQ(catalogs.LookupDesc(0x00FF), "Two digits");
    EXPECT_EQ(catalogs.LookupDesc(0x0100), "Four digits");
    EXPECT_EQ(catalogs.LookupDesc(0x0005), "Five");
    EXPECT_EQ(catalogs.StepDescription(0x8199), "Host seq");
    EXPECT_EQ(catalogs.StepDescription(0xB000), "Host B000");
    EXPECT_EQ(catalogs.LookupDesc(0xB000), "Desc of B000");
    EXPECT_EQ(catalogs.LookupArco(0x5A), "Arco five A");
    EXPECT_EQ(catalogs.LookupDesc(0x0006), "");
}

TEST_F(CatalogsTest, ErrorTextsAndTheirDefault)
{
    fs.put("/cat/Errors.ini", std::string_view("[errors]\n0xffff=No result\n0x001a=Bad sector\n"));
    EXPECT_EQ(catalogs.LookupErrorText(0xFFFF), "No result");
    EXPECT_EQ(catalogs.LookupErrorText(0x1A), "Bad sector");
    EXPECT_EQ(catalogs.LookupErrorText(0), "ERROR 0000");
    EXPECT_EQ(catalogs.LookupErrorText(0x1234), "ERROR 1234");
}

TEST_F(CatalogsTest, MissingFilesGiveDefaults)
{
    EXPECT_EQ(catalogs.LookupDesc(0xDC), "");
    EXPECT_EQ(catalogs.LookupErrorText(0xFFFF), "ERROR FFFF");
    EXPECT_TRUE(catalogs.ListFamilies().empty());
    EXPECT_TRUE(catalogs.ListCustomTests("Work").empty());
}

TEST_F(CatalogsTest, AnEditedFileShowsAtTheNextLookupAndAnUnchangedOneIsReadOnce)
{
    fs.put("/cat/ModDescr.ini", std::string_view("[Desc]\nDC=Old\n"));
    EXPECT_EQ(catalogs.LookupDesc(0xDC), "Old");
    const int reads = fs.readCount();
    for (int i = 0; i < 100; ++i)
        catalogs.LookupDesc(0xDC);
    EXPECT_EQ(fs.readCount(), reads);
    fs.put("/cat/ModDescr.ini", std::string_view("[Desc]\nDC=New\n"));
    EXPECT_EQ(catalogs.LookupDesc(0xDC), "New");
    fs.remove("/cat/ModDescr.ini");
    EXPECT_EQ(catalogs.LookupDesc(0xDC), "");
}

TEST_F(CatalogsTest, AFileThatCouldNotBeReadIsTriedAgain)
{
    fs.put("/cat/Errors.ini", std::string_view("[ERRORS]\n0x0005=Seek failed\n"));
    fs.failReads("/cat/Errors.ini");
    EXPECT_EQ(catalogs.LookupErrorText(5), "ERROR 0005");
    fs.allowReads("/cat/Errors.ini"); // the file itself did not change
    EXPECT_EQ(catalogs.LookupErrorText(5), "Seek failed");
}

TEST_F(CatalogsTest, FamilyChangeNeedsANameAndRefillsTheCustomTests)
{
    fs.put("/cat/SCRIPTS.INI", std::string_view("[Work]\nA=\nB=\n[Other]\nC=\n"));
    EXPECT_EQ(cbFamilyChange(catalogs, "  ").message, "Need Enter Name");
    EXPECT_FALSE(cbFamilyChange(catalogs, "").customTests.has_value());
    EXPECT_EQ(cbFamilyChange(catalogs, "Work").customTests, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(cbFamilyChange(catalogs, "W").customTests, std::vector<std::string>{});
}

TEST_F(CatalogsTest, WritingACustomTestCreatesTheFileAndRefillsBothLists)
{
    EXPECT_EQ(btWriteToIniClick(catalogs, "Work", " ").message, "Need Enter Name");
    EXPECT_EQ(btWriteToIniClick(catalogs, "", "Test").message, "Need Enter Name");
    EXPECT_FALSE(fs.has("/cat/SCRIPTS.INI"));
    const CustomTestWrite w = btWriteToIniClick(catalogs, "Work", "Spin up");
    EXPECT_FALSE(w.message.has_value());
    EXPECT_EQ(fs.text("/cat/SCRIPTS.INI"), "[Work]\r\nSpin up=\r\n");
    EXPECT_EQ(w.families, (std::vector<std::string>{"Work"}));
    EXPECT_EQ(w.customTests, (std::vector<std::string>{"Spin up"}));
    btWriteToIniClick(catalogs, "Work", "Spin up");
    EXPECT_EQ(fs.text("/cat/SCRIPTS.INI"), "[Work]\r\nSpin up=\r\n");
    // Blanks around the names are no part of them, as the reader sees them.
    btWriteToIniClick(catalogs, " Work ", " Spin up ");
    EXPECT_EQ(fs.text("/cat/SCRIPTS.INI"), "[Work]\r\nSpin up=\r\n");
}

TEST_F(CatalogsTest, AnUnwritableScriptsFileIsAnError)
{
    fs.failWrites("/cat/SCRIPTS.INI");
    EXPECT_THROW(btWriteToIniClick(catalogs, "Work", "T"), Error);
}

namespace {
// Sets a file's modification time to the second 1700000000 and `nanoseconds`
// past it (in the system's steps: 100 ns on Windows).
bool setModified(const std::string& file, long nanoseconds)
{
#ifdef _WIN32
    const ULONGLONG ticks = (1700000000ull + 11644473600ull) * 10000000ull + static_cast<ULONGLONG>(nanoseconds) / 100;
    const FILETIME time{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    HANDLE h = ::CreateFileW(std::filesystem::path(file).wstring().c_str(), FILE_WRITE_ATTRIBUTES,
                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    const bool ok = h != INVALID_HANDLE_VALUE && ::SetFileTime(h, nullptr, &time, &time);
    if (h != INVALID_HANDLE_VALUE)
        ::CloseHandle(h);
    return ok;
#else
    const timespec times[2] = {{1700000000, nanoseconds}, {1700000000, nanoseconds}};
    return ::utimensat(AT_FDCWD, file.c_str(), times, 0) == 0;
#endif
}
} // namespace

// On the real file system: an editor that rewrites a catalog in place keeps
// its inode and maybe its size; the modification time (to the nanosecond)
// still tells the versions apart.
TEST(CatalogsOnDisk, AFileRewrittenInPlaceShowsAtTheNextLookup)
{
    const test::TempFolder dir;
    const std::string file = dir.file("ModDescr.ini");
    auto rewrite = [&](const char* text, long nanoseconds) {
        std::ofstream(file, std::ios::binary | std::ios::in | std::ios::out) << text; // same inode
        ASSERT_TRUE(setModified(file, nanoseconds));
    };
    std::ofstream(file, std::ios::binary) << "[Desc]\nDC=Old\n";
    rewrite("[Desc]\nDC=Old\n", 100);

    Catalogs catalogs(realFileSystem(), dir.path());
    EXPECT_EQ(catalogs.LookupDesc(0xDC), "Old");
    rewrite("[Desc]\nDC=New\n", 200); // same size, same second
    EXPECT_EQ(catalogs.LookupDesc(0xDC), "New");
}
