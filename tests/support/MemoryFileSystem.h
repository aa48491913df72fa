#pragma once
// An in-memory file system for tests, with injectable faults.

#include "model/FileSystem.h"

#include <map>
#include <set>
#include <string>

namespace pst::test {

class MemoryFileSystem final : public FileSystem {
public:
    void put(const std::string& path, Bytes bytes);
    void put(const std::string& path, std::string_view text);
    // A new modification time, the same bytes.
    void touch(const std::string& path) { m_files.at(path).version = ++m_clock; }
    void addFolder(const std::string& path) { m_folders.insert(path); }
    void remove(const std::string& path) { m_files.erase(path); }
    bool has(const std::string& path) const { return m_files.count(path) != 0; }
    const Bytes& bytes(const std::string& path) const { return m_files.at(path).bytes; }
    std::string text(const std::string& path) const;

    // Faults: reads or writes of these paths fail with the given reason.
    void failReads(const std::string& path, std::string reason = "Permission denied") { m_readFaults[path] = std::move(reason); }
    void allowReads(const std::string& path) { m_readFaults.erase(path); }
    // A read of this path runs out of memory (throws std::bad_alloc).
    void exhaustMemoryOnRead(const std::string& path) { m_memoryFaults.insert(path); }
    void failWrites(const std::string& path, std::string reason = "No space left on device") { m_writeFaults[path] = std::move(reason); }
    int writeCount() const { return m_writes; }
    int readCount() const { return m_reads; }

    FileKind kind(const std::string& path) override;
    std::optional<FileStamp> stamp(const std::string& path) override;
    ReadResult readFile(const std::string& path, std::uint64_t maxSize) override;
    std::optional<std::string> writeFileAtomic(const std::string& path, ByteView bytes) override;

private:
    struct File {
        Bytes bytes;
        std::uint64_t version = 0;
    };
    std::map<std::string, File> m_files;
    std::set<std::string> m_folders;
    std::map<std::string, std::string> m_readFaults;
    std::map<std::string, std::string> m_writeFaults;
    std::set<std::string> m_memoryFaults;
    std::uint64_t m_clock = 0;
    int m_writes = 0;
    int m_reads = 0;
};

} // namespace pst::test
