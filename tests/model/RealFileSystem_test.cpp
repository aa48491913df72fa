#include "model/FileSystem.h"
#include "support/ProgramRun.h"
#include "support/SystemReasons.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

using namespace pst;
using pst::test::TempFolder;
namespace fs = std::filesystem;

class RealFileSystemTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return (dir / name).string(); }
    static std::string slurp(const std::string& p)
    {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    int entries() const { return static_cast<int>(std::distance(fs::directory_iterator(dir), fs::directory_iterator())); }

    FileSystem& real = realFileSystem();
    TempFolder temp;
    fs::path dir{temp.path()};
};

TEST_F(RealFileSystemTest, WritesAndReadsWholeFiles)
{
    const Bytes data{'a', 0, 'b', 0xFF};
    EXPECT_FALSE(real.writeFileAtomic(path("x.rpm"), data).has_value());
    const ReadResult r = real.readFile(path("x.rpm"), kMaxModuleFileSize);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.bytes, data);
    EXPECT_EQ(entries(), 1); // no temporary left behind
    EXPECT_EQ(real.kind(path("x.rpm")), FileKind::Regular);
    EXPECT_EQ(real.kind(dir.string()), FileKind::Directory);
    EXPECT_EQ(real.kind(path("none")), FileKind::Missing);
}

TEST_F(RealFileSystemTest, ReadsFilesOfEverySizeWholeAndExactly)
{
    // Around the reading buffer's 64 KiB and a module of megabytes.
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{65535}, std::size_t{65536},
                                   std::size_t{65537}, std::size_t{3} << 20}) {
        Bytes data(size);
        for (std::size_t i = 0; i < size; ++i)
            data[i] = static_cast<Byte>(i * 7 + (i >> 16));
        ASSERT_FALSE(real.writeFileAtomic(path("m.rpm"), data).has_value());
        const ReadResult r = real.readFile(path("m.rpm"), kMaxModuleFileSize);
        ASSERT_TRUE(r.ok) << size;
        EXPECT_EQ(r.bytes, data) << size;
    }
}

TEST_F(RealFileSystemTest, ReplacingKeepsThePermissions)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows files have no POSIX mode; on Windows: RealFileSystemWindows.ReplacingKeepsTheAttributes";
#else
    const std::string p = path("keep.rpm");
    ASSERT_FALSE(real.writeFileAtomic(p, Bytes{1}).has_value());
    ::chmod(p.c_str(), 0640);
    ASSERT_FALSE(real.writeFileAtomic(p, Bytes{2, 3}).has_value());
    struct stat st {};
    ASSERT_EQ(::stat(p.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(slurp(p), std::string("\x02\x03", 2));
#endif
}

TEST_F(RealFileSystemTest, WritingThroughALinkReplacesItsTargetAndKeepsTheLink)
{
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need a privilege that a user lacks on Windows";
#else
    fs::create_directories(dir / "shared");
    ASSERT_FALSE(real.writeFileAtomic(path("shared/real.rpm"), Bytes{'o', 'l', 'd'}).has_value());
    fs::create_symlink("shared/real.rpm", dir / "relative.rpm");
    fs::create_symlink(dir / "relative.rpm", dir / "chained.rpm");
    fs::create_symlink("shared/new.rpm", dir / "dangling.rpm");
    fs::create_symlink("loop.rpm", dir / "loop.rpm");

    ASSERT_FALSE(real.writeFileAtomic(path("chained.rpm"), Bytes{'n', 'e', 'w'}).has_value());
    EXPECT_EQ(slurp(path("shared/real.rpm")), "new");
    ASSERT_FALSE(real.writeFileAtomic(path("dangling.rpm"), Bytes{'x'}).has_value());
    EXPECT_EQ(slurp(path("shared/new.rpm")), "x");
    for (const char* link : {"relative.rpm", "chained.rpm", "dangling.rpm"})
        EXPECT_TRUE(fs::is_symlink(dir / link)) << link;

    const auto loop = real.writeFileAtomic(path("loop.rpm"), Bytes{'y'});
    ASSERT_TRUE(loop.has_value());
    EXPECT_EQ(*loop, "Too many levels of symbolic links");
    EXPECT_TRUE(fs::is_symlink(dir / "loop.rpm"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "shared"), fs::directory_iterator()), 2);
#endif
}

TEST_F(RealFileSystemTest, FailuresLeaveTheTargetAndNoTemporary)
{
#ifndef _WIN32 // on Windows: RealFileSystemWindows.AReadOnlyFileIsNotReplaced
    // A file made read-only, also through a link to it.
    ASSERT_FALSE(real.writeFileAtomic(path("locked.rpm"), Bytes{'o', 'l', 'd'}).has_value());
    ::chmod(path("locked.rpm").c_str(), 0444);
    fs::create_symlink("locked.rpm", dir / "link.rpm");
    for (const char* name : {"locked.rpm", "link.rpm"}) {
        const auto locked = real.writeFileAtomic(path(name), Bytes{'n', 'e', 'w'});
        ASSERT_TRUE(locked.has_value()) << name;
        EXPECT_EQ(*locked, "Permission denied") << name;
    }
    EXPECT_EQ(slurp(path("locked.rpm")), "old");
    fs::remove(dir / "locked.rpm");
    fs::remove(dir / "link.rpm");
#endif

    // A folder where the file should go.
    fs::create_directories(dir / "taken");
    EXPECT_TRUE(real.writeFileAtomic(path("taken"), Bytes{1}).has_value());
    EXPECT_TRUE(fs::is_directory(dir / "taken"));
    // A folder that does not exist.
    const auto missing = real.writeFileAtomic(path("no/such/file.rpm"), Bytes{1});
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(*missing, test::noSuchFolderReason());
    EXPECT_EQ(entries(), 1);
}

TEST_F(RealFileSystemTest, ReadFailuresGiveTheSystemsReason)
{
    const ReadResult missing = real.readFile(path("nothing"), kMaxModuleFileSize);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error, test::noSuchFileReason());
    const ReadResult folder = real.readFile(dir.string(), kMaxModuleFileSize);
    EXPECT_FALSE(folder.ok);
    EXPECT_EQ(folder.error, "Is a directory");
}

TEST_F(RealFileSystemTest, StampsChangeWhenAFileIsReplaced)
{
    const std::string p = path("cat.ini");
    ASSERT_FALSE(real.writeFileAtomic(p, Bytes{1}).has_value());
    const auto first = real.stamp(p);
    ASSERT_TRUE(first.has_value());
    ASSERT_FALSE(real.writeFileAtomic(p, Bytes{2}).has_value());
    const auto second = real.stamp(p);
    ASSERT_TRUE(second.has_value());
    EXPECT_NE(*first, *second); // a new inode even with the same size
    EXPECT_FALSE(real.stamp(dir.string()).has_value());
}

// --- files that are no files, sizes, owners, names, interrupted writes ------

TEST_F(RealFileSystemTest, OnlyRegularFilesAreReplaced)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX pipes, device nodes and /proc; on Windows: RealFileSystemWindows.DevicesAreRefused";
#else
    // A log the process has open: /dev/stdout names such a file through a
    // link of the proc file system.
    const int log = ::open(path("log").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    ASSERT_GE(log, 0);
    ASSERT_EQ(::write(log, "old", 3), 3);
    fs::create_symlink("/proc/self/fd/" + std::to_string(log), dir / "stream");
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0644), 0);
    fs::create_symlink("fifo", dir / "to-fifo");
    // A copy of the null device, where the process may make one (root).
    const bool device = ::mknod(path("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    std::vector<std::string> targets = {"stream", "fifo", "to-fifo"};
    if (device)
        targets.push_back("null");
    const auto before = entries();
    for (const std::string& t : targets) {
        const auto refused = real.writeFileAtomic(path(t), Bytes{'n', 'e', 'w'});
        ASSERT_TRUE(refused.has_value()) << t;
        EXPECT_EQ(*refused, "Not a regular file") << t;
    }
    ::close(log);
    EXPECT_EQ(slurp(path("log")), "old");
    EXPECT_TRUE(fs::is_fifo(dir / "fifo"));
    EXPECT_TRUE(!device || fs::is_character_file(dir / "null"));
    EXPECT_EQ(entries(), before);
#endif
}

TEST_F(RealFileSystemTest, OnlyRegularFilesWithinTheLimitAreRead)
{
#ifndef _WIN32 // on Windows: RealFileSystemWindows.DevicesAreRefused
    // A pipe with no writer does not block, a device that never ends is
    // not read at all.
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0644), 0);
    for (const std::string& source : {path("fifo"), std::string("/dev/zero"), std::string("/dev/null")}) {
        const ReadResult r = real.readFile(source, kMaxModuleFileSize);
        EXPECT_FALSE(r.ok) << source;
        EXPECT_EQ(r.error, "Not a regular file") << source;
    }
#endif
    // Sizes around the limit; a sparse module of more costs no disk.
    ASSERT_FALSE(real.writeFileAtomic(path("m.rpm"), Bytes(1000, 7)).has_value());
    EXPECT_TRUE(real.readFile(path("m.rpm"), 1000).ok);
    const ReadResult over = real.readFile(path("m.rpm"), 999);
    EXPECT_FALSE(over.ok);
    EXPECT_EQ(over.error, "File too large");
    fs::resize_file(dir / "m.rpm", kMaxModuleFileSize + 1);
    EXPECT_EQ(real.readFile(path("m.rpm"), kMaxModuleFileSize).error, "File too large");
}

TEST_F(RealFileSystemTest, ReplacingKeepsTheOwnerWhereTheProcessMaySetIt)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows files have no POSIX owner and group; ReplaceFileW keeps the security of the replaced file";
#else
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root gives a file to another user";
    const std::string p = path("theirs.rpm");
    ASSERT_FALSE(real.writeFileAtomic(p, Bytes{1}).has_value());
    ASSERT_EQ(::chown(p.c_str(), 4242, 4343), 0);
    ASSERT_EQ(::chmod(p.c_str(), 0640), 0);
    ASSERT_FALSE(real.writeFileAtomic(p, Bytes{2}).has_value());
    struct stat st {};
    ASSERT_EQ(::stat(p.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 4242u);
    EXPECT_EQ(st.st_gid, 4343u);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
#endif
}

TEST_F(RealFileSystemTest, NamesUpToTheLimitAreWrittenAndOldLeftoversOfTheTargetRemoved)
{
    const std::string longName = std::string(250, 'n');
    ASSERT_FALSE(real.writeFileAtomic(path(longName), Bytes{1}).has_value());
    EXPECT_EQ(slurp(path(longName)), "\x01");
    EXPECT_EQ(entries(), 1);

    // What killed saves left: of this target an old one and a fresh one,
    // and an old one of another target.
    const auto leftover = [&](const std::string& name, int ageSeconds) {
        std::ofstream(dir / name) << "partial";
        fs::last_write_time(dir / name, fs::file_time_type::clock::now() - std::chrono::seconds(ageSeconds));
    };
    leftover(".m.rpm.pst-Old123", 120);
    leftover(".m.rpm.pst-New123", 0);
    leftover(".other.rpm.pst-Old123", 120);
    ASSERT_FALSE(real.writeFileAtomic(path("m.rpm"), Bytes{2}).has_value());
    EXPECT_FALSE(fs::exists(dir / ".m.rpm.pst-Old123"));
    EXPECT_TRUE(fs::exists(dir / ".m.rpm.pst-New123"));
    EXPECT_TRUE(fs::exists(dir / ".other.rpm.pst-Old123"));
}

TEST_F(RealFileSystemTest, AWritePastTheFileSizeLimitFailsAndLeavesNothing)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no file size limit of a process (ulimit -f)";
#else
    rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const rlimit small{4096, saved.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto failure = real.writeFileAtomic(path("big.rpm"), Bytes(8192, 1));
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &saved), 0);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(*failure, "File too large");
    EXPECT_EQ(entries(), 0);
#endif
}
