#pragma once
// What the editor remembers of the module file it loaded or saved, to tell
// whether someone changed it on disk since: its size, modification time and
// a hash of its bytes. A file whose time changed but whose bytes did not
// counts as unchanged: replacing it loses nothing.

#include "model/Bytes.h"
#include "model/FileSystem.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace pst {

struct FileFingerprint {
    FileStamp stamp;
    std::uint64_t hash = 0;
    friend bool operator==(const FileFingerprint&, const FileFingerprint&) = default;
};

// 64-bit FNV-1a of the bytes.
std::uint64_t contentHash(ByteView bytes);

// The module file the script came from or was last saved to.
class ModuleFileOnDisk {
public:
    ModuleFileOnDisk(std::string path, FileFingerprint fingerprint)
        : m_path(std::move(path)), m_fingerprint(fingerprint)
    {
    }

    const std::string& path() const { return m_path; }
    // `path` names this file: the same text, or the same file on the same
    // device (another name, a link).
    bool isFile(FileSystem& fs, const std::string& path) const;
    // The file has other bytes than remembered. Reads it only when its time
    // differs and its size does not. A file that is gone has nothing to
    // lose and counts as unchanged.
    bool changed(FileSystem& fs) const;
    // changed(), for a version of the file (its stamp) not looked at
    // before: each version is offered once and read at most once.
    bool changedSinceOffered(FileSystem& fs);

private:
    std::string m_path;
    FileFingerprint m_fingerprint;
    std::optional<FileStamp> m_looked; // the version last looked at
};

} // namespace pst
