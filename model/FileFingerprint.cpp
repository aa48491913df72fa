#include "model/FileFingerprint.h"

namespace pst {

std::uint64_t contentHash(ByteView bytes)
{
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (const std::uint8_t b : bytes) {
        h ^= b;
        h *= 0x100000001b3ULL;
    }
    return h;
}

bool ModuleFileOnDisk::isFile(FileSystem& fs, const std::string& path) const
{
    if (path == m_path)
        return true;
    const std::optional<FileStamp> stamp = fs.stamp(path);
    return stamp && (stamp->inode != 0 || stamp->device != 0) && stamp->inode == m_fingerprint.stamp.inode
           && stamp->device == m_fingerprint.stamp.device;
}

bool ModuleFileOnDisk::changed(FileSystem& fs) const
{
    const std::optional<FileStamp> now = fs.stamp(m_path);
    if (!now)
        return false;
    if (now->size != m_fingerprint.stamp.size)
        return true;
    if (now->mtimeNs == m_fingerprint.stamp.mtimeNs)
        return false;
    const ReadResult read = fs.readFile(m_path, kMaxModuleFileSize);
    return !read.ok || contentHash(read.bytes) != m_fingerprint.hash;
}

bool ModuleFileOnDisk::changedSinceOffered(FileSystem& fs)
{
    const std::optional<FileStamp> now = fs.stamp(m_path);
    if (!now || (m_looked && *m_looked == *now))
        return false;
    // A version looked at is not read again: offered once if it changed,
    // and a file only touched is not hashed at every look.
    m_looked = now;
    return changed(fs);
}

} // namespace pst
