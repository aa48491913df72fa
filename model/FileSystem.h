#pragma once
// File access of the core, behind a small interface so tests can use an
// in-memory file system and inject faults. Files are always read whole and
// always written atomically: a temporary file in the target's folder, written,
// flushed and closed, then renamed over the target. On any failure the
// temporary is removed and an earlier target keeps its bytes.

#include "model/Bytes.h"

#include <cstdint>
#include <optional>
#include <string>

namespace pst {

enum class FileKind { Missing, Regular, Directory, Other };

// What identifies one version of a file, for caches that revalidate.
struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t mtimeNs = 0;
    std::uint64_t inode = 0;
    std::uint64_t device = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

struct ReadResult {
    bool ok = false;
    Bytes bytes;
    std::string error; // the system's reason when !ok
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual FileKind kind(const std::string& path) = 0;
    // The stamp of a regular file; nullopt when there is none at the path.
    virtual std::optional<FileStamp> stamp(const std::string& path) = 0;
    virtual ReadResult readFile(const std::string& path) = 0;
    // Returns nullopt on success, else the system's reason.
    virtual std::optional<std::string> writeFileAtomic(const std::string& path, ByteView bytes) = 0;
};

// The process's real file system (POSIX calls).
FileSystem& realFileSystem();

} // namespace pst
