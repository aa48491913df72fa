#include "support/MemoryFileSystem.h"

#include <new>

namespace pst::test {

void MemoryFileSystem::put(const std::string& path, Bytes bytes)
{
    File& f = m_files[path];
    f.bytes = std::move(bytes);
    f.version = ++m_clock;
}

void MemoryFileSystem::put(const std::string& path, std::string_view text)
{
    put(path, Bytes(text.begin(), text.end()));
}

std::string MemoryFileSystem::text(const std::string& path) const
{
    const Bytes& b = bytes(path);
    return std::string(b.begin(), b.end());
}

FileKind MemoryFileSystem::kind(const std::string& path)
{
    if (m_files.count(path))
        return FileKind::Regular;
    if (m_folders.count(path))
        return FileKind::Directory;
    return FileKind::Missing;
}

std::optional<FileStamp> MemoryFileSystem::stamp(const std::string& path)
{
    const auto it = m_files.find(path);
    if (it == m_files.end())
        return std::nullopt;
    FileStamp s;
    s.size = it->second.bytes.size();
    s.mtimeNs = static_cast<std::int64_t>(it->second.version);
    s.inode = it->second.version;
    return s;
}

ReadResult MemoryFileSystem::readFile(const std::string& path, std::uint64_t maxSize)
{
    ++m_reads;
    if (m_memoryFaults.count(path))
        throw std::bad_alloc();
    ReadResult r;
    if (const auto fault = m_readFaults.find(path); fault != m_readFaults.end()) {
        r.error = fault->second;
        return r;
    }
    if (m_folders.count(path)) {
        r.error = "Is a directory";
        return r;
    }
    const auto it = m_files.find(path);
    if (it == m_files.end()) {
        r.error = "No such file or directory";
        return r;
    }
    if (it->second.bytes.size() > maxSize) {
        r.error = "File too large";
        return r;
    }
    r.ok = true;
    r.bytes = it->second.bytes;
    return r;
}

std::optional<std::string> MemoryFileSystem::writeFileAtomic(const std::string& path, ByteView bytes)
{
    if (const auto fault = m_writeFaults.find(path); fault != m_writeFaults.end())
        return fault->second;
    if (m_folders.count(path))
        return std::string("Is a directory");
    ++m_writes;
    put(path, Bytes(bytes.begin(), bytes.end()));
    return std::nullopt;
}

} // namespace pst::test
