#include "model/FileSystem.h"

#include <cerrno>
#include <cstring>
#include <climits>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace pst {

namespace {

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

// The file a path names after following its symbolic links (also a link
// whose target does not exist yet); nullopt for a loop of links.
std::optional<std::string> followLinks(std::string path)
{
    constexpr int kMaxHops = 40;
    for (int hop = 0; hop < kMaxHops; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size())
            return path;
        target.resize(static_cast<std::size_t>(n));
        path = target.front() == '/' ? target : folderOf(path) + "/" + target;
    }
    return std::nullopt;
}

// Renaming over a file needs only the folder's permission; a file that its
// owner made read-only (no write permission for anyone, or none for us) is
// refused as a plain write would refuse it.
bool replaceable(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return true; // nothing to replace
    return (st.st_mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0;
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

    ReadResult readFile(const std::string& path) override
    {
        ReadResult r;
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            r.error = reason(errno);
            return r;
        }
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
            ::close(fd);
            r.error = reason(EISDIR);
            return r;
        }
        // A module of megabytes is read into one buffer of its size, not
        // into one grown and copied a dozen times; the loop still reads to
        // the end, for a file that changes meanwhile or reports no size.
        if (st.st_size > 0)
            r.bytes.reserve(static_cast<std::size_t>(st.st_size));
        Byte buf[1 << 16];
        for (;;) {
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                r.error = reason(errno);
                ::close(fd);
                r.bytes.clear();
                return r;
            }
            if (n == 0)
                break;
            r.bytes.insert(r.bytes.end(), buf, buf + n);
        }
        ::close(fd);
        r.ok = true;
        return r;
    }

    // A symbolic link stays a link: the file it points to is replaced.
    std::optional<std::string> writeFileAtomic(const std::string& linkPath, ByteView bytes) override
    {
        const std::optional<std::string> target = followLinks(linkPath);
        if (!target)
            return reason(ELOOP);
        const std::string& path = *target;
        if (kind(path) == FileKind::Directory)
            return reason(EISDIR);
        if (!replaceable(path))
            return reason(EACCES);
        std::string tmp = folderOf(path) + "/." + baseOf(path) + ".XXXXXX";
        const int fd = ::mkstemp(tmp.data());
        if (fd < 0)
            return reason(errno);
        int err = 0;
        bool ok = writeAll(fd, bytes, err);
        if (ok && ::fsync(fd) != 0) {
            err = errno;
            ok = false;
        }
        // Keep the permissions of a file we replace; new files get the usual 0666 & ~umask.
        struct stat old {};
        if (ok) {
            if (::stat(path.c_str(), &old) == 0)
                ::fchmod(fd, old.st_mode & 07777);
            else {
                const mode_t mask = ::umask(0);
                ::umask(mask);
                ::fchmod(fd, 0666 & ~mask);
            }
        }
        if (::close(fd) != 0 && ok) {
            err = errno;
            ok = false;
        }
        if (ok && ::rename(tmp.c_str(), path.c_str()) != 0) {
            err = errno;
            ok = false;
        }
        if (!ok) {
            ::unlink(tmp.c_str());
            return reason(err);
        }
        return std::nullopt;
    }
};

} // namespace

FileSystem& realFileSystem()
{
    static RealFileSystem fs;
    return fs;
}

} // namespace pst
