#include "model/FileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

using namespace pst;
namespace fs = std::filesystem;

class RealFileSystemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("pst_rfs_" + std::to_string(::getpid()) + "_"
                                           + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string path(const std::string& name) const { return (dir / name).string(); }
    static std::string slurp(const std::string& p)
    {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    int entries() const { return static_cast<int>(std::distance(fs::directory_iterator(dir), fs::directory_iterator())); }

    FileSystem& real = realFileSystem();
    fs::path dir;
};

TEST_F(RealFileSystemTest, WritesAndReadsWholeFiles)
{
    const Bytes data{'a', 0, 'b', 0xFF};
    EXPECT_FALSE(real.writeFileAtomic(path("x.rpm"), data).has_value());
    const ReadResult r = real.readFile(path("x.rpm"));
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
        const ReadResult r = real.readFile(path("m.rpm"));
        ASSERT_TRUE(r.ok) << size;
        EXPECT_EQ(r.bytes, data) << size;
    }
}

TEST_F(RealFileSystemTest, ReplacingKeepsThePermissions)
{
    const std::string p = path("keep.rpm");
    ASSERT_FALSE(real.writeFileAtomic(p, Bytes{1}).has_value());
    ::chmod(p.c_str(), 0640);
    ASSERT_FALSE(real.writeFileAtomic(p, Bytes{2, 3}).has_value());
    struct stat st {};
    ASSERT_EQ(::stat(p.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(slurp(p), std::string("\x02\x03", 2));
}

TEST_F(RealFileSystemTest, WritingThroughALinkReplacesItsTargetAndKeepsTheLink)
{
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
}

TEST_F(RealFileSystemTest, FailuresLeaveTheTargetAndNoTemporary)
{
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

    // A folder where the file should go.
    fs::create_directories(dir / "taken");
    EXPECT_TRUE(real.writeFileAtomic(path("taken"), Bytes{1}).has_value());
    EXPECT_TRUE(fs::is_directory(dir / "taken"));
    // A folder that does not exist.
    const auto missing = real.writeFileAtomic(path("no/such/file.rpm"), Bytes{1});
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(*missing, "No such file or directory");
    EXPECT_EQ(entries(), 1);
}

TEST_F(RealFileSystemTest, ReadFailuresGiveTheSystemsReason)
{
    const ReadResult missing = real.readFile(path("nothing"));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error, "No such file or directory");
    const ReadResult folder = real.readFile(dir.string());
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
