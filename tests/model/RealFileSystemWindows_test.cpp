// The real file system on Windows, where POSIX's modes, links and device
// nodes have their counterparts: attributes, files held open by another
// program, devices such as NUL, and names in UTF-16.

#include "model/FileSystem.h"
#include "model/SystemErrorWindows.h"
#include "support/ProgramRun.h"
#include "support/SystemReasons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <windows.h>

using namespace pst;
using pst::test::TempFolder;
namespace fs = std::filesystem;

class RealFileSystemWindows : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return folder.file(name); }
    std::string read(const std::string& name) const { return folder.read(name); }
    std::vector<std::wstring> entries() const
    {
        std::vector<std::wstring> names;
        for (const auto& e : fs::directory_iterator(fs::path(dir)))
            names.push_back(e.path().filename().wstring());
        return names;
    }
    std::wstring wide(const std::string& name) const { return fs::path(dir).wstring() + L"\\" + fs::path(name).wstring(); }

    FileSystem& real = realFileSystem();
    TempFolder folder;
    std::string dir = folder.path();
};

TEST_F(RealFileSystemWindows, ReplacingKeepsTheAttributes)
{
    ASSERT_FALSE(real.writeFileAtomic(path("keep.rpm"), Bytes{1}).has_value());
    const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    ASSERT_TRUE(::SetFileAttributesW(wide("keep.rpm").c_str(), kept));
    ASSERT_FALSE(real.writeFileAtomic(path("keep.rpm"), Bytes{2, 3}).has_value());
    EXPECT_EQ(::GetFileAttributesW(wide("keep.rpm").c_str()) & (kept | FILE_ATTRIBUTE_READONLY), kept);
    EXPECT_EQ(read("keep.rpm"), std::string("\x02\x03", 2));
    EXPECT_EQ(entries().size(), 1u);
}

TEST_F(RealFileSystemWindows, AReadOnlyFileIsNotReplaced)
{
    ASSERT_FALSE(real.writeFileAtomic(path("locked.rpm"), Bytes{'o', 'l', 'd'}).has_value());
    ASSERT_TRUE(::SetFileAttributesW(wide("locked.rpm").c_str(), FILE_ATTRIBUTE_READONLY));
    const auto refused = real.writeFileAtomic(path("locked.rpm"), Bytes{'n', 'e', 'w'});
    ::SetFileAttributesW(wide("locked.rpm").c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(*refused, test::accessDeniedReason());
    EXPECT_EQ(read("locked.rpm"), "old");
    EXPECT_EQ(entries().size(), 1u);
}

// A file another program holds open: one that lets nobody write it is
// refused before anything is written; one that lets others write but not
// delete it makes the final replacement fail, after the whole new file was
// written. Either way the old file keeps its bytes and no temporary stays.
TEST_F(RealFileSystemWindows, AFileHeldOpenByAnotherProgramKeepsItsBytes)
{
    const struct {
        const char* name;
        DWORD share;
        std::vector<DWORD> reasons; // what the system may answer
    } holders[] = {
        {"nothing shared", 0, {ERROR_SHARING_VIOLATION}},
        {"read shared", FILE_SHARE_READ, {ERROR_SHARING_VIOLATION}},
        {"read and write shared", FILE_SHARE_READ | FILE_SHARE_WRITE,
         {ERROR_SHARING_VIOLATION, ERROR_UNABLE_TO_REMOVE_REPLACED}},
    };
    for (const auto& holder : holders) {
        ASSERT_FALSE(real.writeFileAtomic(path("held.rpm"), Bytes{'o', 'l', 'd'}).has_value());
        HANDLE held = ::CreateFileW(wide("held.rpm").c_str(), GENERIC_READ, holder.share, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE) << holder.name;
        const auto failure = real.writeFileAtomic(path("held.rpm"), Bytes(100000, 'n'));
        ::CloseHandle(held);
        ASSERT_TRUE(failure.has_value()) << holder.name;
        std::vector<std::string> expected;
        for (const DWORD code : holder.reasons)
            expected.push_back(systemReason(code));
        EXPECT_NE(std::find(expected.begin(), expected.end(), *failure), expected.end()) << *failure;
        EXPECT_EQ(read("held.rpm"), "old") << holder.name;
        EXPECT_EQ(entries(), std::vector<std::wstring>{L"held.rpm"}) << holder.name;
    }
    // Shared for deleting too, it is replaced as any file is.
    HANDLE held = ::CreateFileW(wide("held.rpm").c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_FALSE(real.writeFileAtomic(path("held.rpm"), Bytes{'n', 'e', 'w'}).has_value());
    ::CloseHandle(held);
    EXPECT_EQ(read("held.rpm"), "new");
}

TEST_F(RealFileSystemWindows, DevicesAreRefused)
{
    for (const std::string device : {"NUL", "nul", "\\\\.\\NUL"}) {
        const ReadResult r = real.readFile(device, kMaxModuleFileSize);
        EXPECT_FALSE(r.ok) << device;
        EXPECT_EQ(r.error, "Not a regular file") << device;
        const auto refused = real.writeFileAtomic(device, Bytes{'x'});
        ASSERT_TRUE(refused.has_value()) << device;
        EXPECT_EQ(*refused, "Not a regular file") << device;
        EXPECT_EQ(real.kind(device), FileKind::Other) << device;
    }
    EXPECT_TRUE(entries().empty());
}

// Names are UTF-8 in the core and reach the system whole as UTF-16, also
// past the 260 characters of a plain path.
TEST_F(RealFileSystemWindows, NamesAreUtf8AndMayBeLong)
{
    const std::string name = "Modul \xC3\xBC \xCE\xA9 \xE2\x82\xAC \xF0\x9F\x92\xBE.rpm"; // ü Ω € and a floppy disk
    ASSERT_FALSE(real.writeFileAtomic(path(name), Bytes{'u'}).has_value());
    EXPECT_EQ(entries(), std::vector<std::wstring>{L"Modul \u00FC \u03A9 \u20AC \U0001F4BE.rpm"});
    EXPECT_EQ(real.readFile(path(name), 10).bytes, Bytes{'u'});
    EXPECT_EQ(real.kind(path(name)), FileKind::Regular);

    std::string deep = dir;
    while (deep.size() < 300) {
        deep += "\\" + std::string(60, 'd');
        ASSERT_TRUE(::CreateDirectoryW((L"\\\\?\\" + fs::path(deep).wstring()).c_str(), nullptr)) << deep;
    }
    const std::string distant = deep + "\\far.rpm";
    ASSERT_FALSE(real.writeFileAtomic(distant, Bytes{'f'}).has_value());
    ASSERT_FALSE(real.writeFileAtomic(distant, Bytes{'g'}).has_value());
    EXPECT_EQ(real.readFile(distant, 10).bytes, Bytes{'g'});
    EXPECT_TRUE(real.stamp(distant).has_value());

    const ReadResult invalid = real.readFile(path("\xFF.rpm"), 10);
    EXPECT_EQ(invalid.error, systemReason(ERROR_NO_UNICODE_TRANSLATION));
}

TEST(SystemReason, ReadsAsAReasonWithinAMessage)
{
    for (const unsigned long code : {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION}) {
        const std::string reason = systemReason(code);
        ASSERT_FALSE(reason.empty()) << code;
        EXPECT_EQ(reason.find_first_of("\r\n"), std::string::npos) << reason;
        EXPECT_NE(reason.back(), '.') << reason;
        EXPECT_NE(reason.back(), ' ') << reason;
    }
    EXPECT_EQ(systemReason(0x2FFFFFFF), "Error 805306367");
}
