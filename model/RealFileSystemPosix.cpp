// The real file system on POSIX systems.

#include "model/FileSystem.h"
#include "model/Messages.h"
#include "model/TempFileGuardPosix.h"
#include "model/TempFileName.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <new>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace pst {

namespace {

// A leftover temporary file of the same target this old is no write in
// progress: a killed run left it.
constexpr std::time_t kLeftoverAgeSeconds = 60;
constexpr int kTempNameTries = 100;

std::string reason(int err) { return std::strerror(err); }

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A link of the proc file system (/dev/stdout, /dev/fd/N, /proc/self/fd/N
// lead through one) names a file the process has open, a terminal, a pipe
// or a log it appends to, not a file to replace.
bool isProcLink(const struct stat& link)
{
    static const auto procDevice = [] {
        struct stat st {};
        return ::lstat("/proc/self", &st) == 0 ? std::optional<dev_t>(st.st_dev) : std::nullopt;
    }();
    return procDevice && link.st_dev == *procDevice;
}

struct Target {
    std::string path;
    std::optional<std::string> failure;
};

// The file a path names after following its symbolic links (also a link
// whose target does not exist yet).
Target followLinks(std::string path)
{
    constexpr int kMaxHops = 40;
    for (int hop = 0; hop < kMaxHops; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return {path, std::nullopt};
        if (isProcLink(st))
            return {path, std::string(msg::kNotRegularFile)};
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size())
            return {path, std::nullopt};
        target.resize(static_cast<std::size_t>(n));
        path = target.front() == '/' ? target : folderOf(path) + "/" + target;
    }
    return {path, reason(ELOOP)};
}

// Why a file cannot be replaced, if it cannot. Renaming over a file needs
// only the folder's permission; a file that its owner made read-only (no
// write permission for anyone, or none for us) is refused as a plain write
// would refuse it.
std::optional<std::string> unreplaceable(const std::string& path, const struct stat& st)
{
    if (S_ISDIR(st.st_mode))
        return reason(EISDIR);
    if (!S_ISREG(st.st_mode))
        return std::string(msg::kNotRegularFile);
    if ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0)
        return reason(EACCES);
    return std::nullopt;
}

std::size_t nameLimit(const std::string& folder)
{
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : NAME_MAX;
}

// Temporary files of this target that a killed run left: regular files of
// the recognisable name, untouched for a minute.
void removeLeftovers(const std::string& folder, const std::string& name, std::size_t nameMax)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTempFileName(entry->d_name, name, nameMax))
            continue;
        const std::string path = folder + "/" + entry->d_name;
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && now - st.st_mtime > kLeftoverAgeSeconds)
            ::unlink(path.c_str());
    }
    ::closedir(dir);
}

bool writeAll(int fd, ByteView bytes, int& err)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The new file takes over the replaced one's owner and group where the
// process may set them (as root; the group alone as one of its members),
// then its mode, which a change of owner may have cut. A new file gets the
// usual 0666 & ~umask.
void takeOver(int fd, const struct stat* old)
{
    if (!old) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
        return;
    }
    if (::fchown(fd, old->st_uid, old->st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), old->st_gid);
    ::fchmod(fd, old->st_mode & 07777);
}

// For the tests of interrupted writes only: PST_TEST_PAUSE_BEFORE_RENAME_MS
// holds a complete temporary file that long (at most ten seconds) before
// it is renamed, so that a test can send a signal meanwhile.
void testPauseBeforeRename()
{
    const char* value = std::getenv("PST_TEST_PAUSE_BEFORE_RENAME_MS");
    if (!value)
        return;
    const long ms = std::clamp(std::strtol(value, nullptr, 10), 0L, 10'000L);
    timespec pause{ms / 1000, (ms % 1000) * 1'000'000};
    while (::nanosleep(&pause, &pause) != 0 && errno == EINTR) {
    }
}

class RealFileSystem final : public FileSystem {
public:
    FileKind kind(const std::string& path) override
    {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0)
            return FileKind::Missing;
        if (S_ISREG(st.st_mode))
            return FileKind::Regular;
        if (S_ISDIR(st.st_mode))
            return FileKind::Directory;
        return FileKind::Other;
    }

    std::optional<FileStamp> stamp(const std::string& path) override
    {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            return std::nullopt;
        FileStamp s;
        s.size = static_cast<std::uint64_t>(st.st_size);
        s.mtimeNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
        s.inode = static_cast<std::uint64_t>(st.st_ino);
        s.device = static_cast<std::uint64_t>(st.st_dev);
        return s;
    }

    ReadResult readFile(const std::string& path, std::uint64_t maxSize) override
    {
        ReadResult r;
        // Without blocking: a pipe with no writer must not hang the opening.
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) {
            r.error = reason(errno);
            return r;
        }
        try {
            readOpen(fd, maxSize, r);
        } catch (const std::bad_alloc&) {
            r = ReadResult{};
            r.error = std::string(msg::kNotEnoughMemory);
        }
        ::close(fd);
        return r;
    }

    std::optional<std::string> writeFileAtomic(const std::string& linkPath, ByteView bytes) override
    {
        const Target target = followLinks(linkPath);
        if (target.failure)
            return target.failure;
        const std::string& path = target.path;
        struct stat old {};
        const bool replacing = ::stat(path.c_str(), &old) == 0;
        if (replacing)
            if (auto refused = unreplaceable(path, old))
                return refused;
        const std::string folder = folderOf(path);
        const std::string name = baseOf(path);
        const std::size_t nameMax = nameLimit(folder);
        removeLeftovers(folder, name, nameMax);

        TempFileGuard guard;
        std::string tmp;
        int fd = -1;
        for (int attempt = 0; fd < 0 && attempt < kTempNameTries; ++attempt) {
            tmp = folder + "/" + tempFileName(name, tempUniquePart(), nameMax);
            fd = guard.create(tmp);
            if (fd < 0 && errno != EEXIST)
                break;
        }
        if (fd < 0)
            return reason(errno);
        int err = 0;
        bool ok = writeAll(fd, bytes, err);
        if (ok && ::fsync(fd) != 0) {
            err = errno;
            ok = false;
        }
        if (ok)
            takeOver(fd, replacing ? &old : nullptr);
        if (::close(fd) != 0 && ok) {
            err = errno;
            ok = false;
        }
        if (ok)
            testPauseBeforeRename();
        if (ok && ::rename(tmp.c_str(), path.c_str()) != 0) {
            err = errno;
            ok = false;
        }
        if (!ok)
            return reason(err); // the guard removes the temporary file
        guard.keep();
        return std::nullopt;
    }

private:
    // Reads a regular file of at most maxSize bytes whole; anything else is
    // refused before a byte is read.
    static void readOpen(int fd, std::uint64_t maxSize, ReadResult& r)
    {
        struct stat st {};
        if (::fstat(fd, &st) != 0) {
            r.error = reason(errno);
            return;
        }
        if (!S_ISREG(st.st_mode)) {
            r.error = S_ISDIR(st.st_mode) ? reason(EISDIR) : std::string(msg::kNotRegularFile);
            return;
        }
        if (static_cast<std::uint64_t>(st.st_size) > maxSize) {
            r.error = std::string(msg::kFileTooLarge);
            return;
        }
        // A module of megabytes is read into one buffer of its size, not
        // into one grown and copied a dozen times; the loop still reads to
        // the end, for a file that grows meanwhile, up to the limit.
        r.bytes.reserve(static_cast<std::size_t>(st.st_size));
        Byte buf[1 << 16];
        for (;;) {
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 || r.bytes.size() + static_cast<std::uint64_t>(n) > maxSize) {
                r.error = n < 0 ? reason(errno) : std::string(msg::kFileTooLarge);
                r.bytes = Bytes();
                return;
            }
            if (n == 0)
                break;
            r.bytes.insert(r.bytes.end(), buf, buf + n);
        }
        r.ok = true;
    }
};

} // namespace

FileSystem& realFileSystem()
{
    static RealFileSystem fs;
    return fs;
}

} // namespace pst
