#pragma once
// File access of the core, behind a small interface so tests can use an
// in-memory file system and inject faults. Files are always read whole and
// always written atomically: a temporary file in the target's folder, written,
// flushed and closed, then renamed over the target. On any failure the
// temporary is removed and an earlier target keeps its bytes.
//
// Only regular files are read and replaced: a device, a pipe or a terminal
// named as a file is refused ("Not a regular file"), never read until it
// ends nor replaced by a file. Reads stop at a size limit ("File too large").

#include "model/Bytes.h"

#include <cstdint>
#include <optional>
#include <string>

namespace pst {

// The largest files read. No real module or catalog comes near them; they
// keep a runaway or sparse file from taking all the memory.
// Modules, step text, the INI exchange file and recovery copies:
inline constexpr std::uint64_t kMaxModuleFileSize = std::uint64_t{256} << 20;
// ModDescr.ini, Errors.ini and SCRIPTS.INI:
inline constexpr std::uint64_t kMaxCatalogFileSize = std::uint64_t{64} << 20;

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
    // The whole file, when it is a regular file of at most maxSize bytes.
    virtual ReadResult readFile(const std::string& path, std::uint64_t maxSize) = 0;
    // Returns nullopt on success, else the system's reason. A symbolic link
    // stays: the file it names is replaced, keeping its mode and, where the
    // process may set them, its owner and group (on Windows: its security
    // and its hidden, system and archive attributes).
    virtual std::optional<std::string> writeFileAtomic(const std::string& path, ByteView bytes) = 0;
};

// The process's real file system. While it writes, an interrupt (SIGINT,
// SIGTERM, SIGHUP on POSIX; Ctrl+C, Ctrl+Break, the console's closing on
// Windows) removes the temporary file before it ends the process; one write
// at a time.
FileSystem& realFileSystem();

} // namespace pst
