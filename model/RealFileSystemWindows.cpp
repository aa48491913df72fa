// The real file system on Windows. Paths are UTF-8 in the core and UTF-16
// at the system's calls; both separators, / and \, are taken. The promises
// are those of the other platforms: only regular files are read and
// replaced, reads stop at their limit, a write goes to a temporary file in
// the target's folder and replaces the target in one step, keeping its
// attributes.

#include "model/FileSystem.h"
#include "model/Messages.h"
#include "model/SystemErrorWindows.h"
#include "model/TempFileGuardWindows.h"
#include "model/TempFileName.h"
#include "model/WideStringWindows.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <string>
#include <windows.h>

namespace pst {

namespace {

constexpr int kTempNameTries = 100;
// NTFS and FAT take names of 255 UTF-16 units; a name never has fewer
// UTF-8 bytes than UTF-16 units, so counting bytes keeps within it.
constexpr std::size_t kNameMax = 255;
// A leftover temporary file of the same target this old (in the system's
// 100 ns ticks) is no write in progress: a killed run left it.
constexpr std::uint64_t kLeftoverAgeTicks = 60ull * 10'000'000;
// From the system's time (100 ns ticks since 1601) to nanoseconds since 1970.
constexpr std::int64_t kUnixEpochTicks = 116'444'736'000'000'000;
// Attributes that a replaced file hands on to its successor; read-only
// files are never replaced.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::string reason(DWORD err) { return systemReason(err); }

bool isSeparator(char c) { return c == '/' || c == '\\'; }

// Where the folder part of a path ends: after its last separator, or after
// the drive of "C:name".
std::size_t nameStart(const std::string& path)
{
    const auto slash = path.find_last_of("/\\");
    if (slash != std::string::npos)
        return slash + 1;
    return path.size() >= 2 && path[1] == ':' ? 2 : 0;
}

std::string folderOf(const std::string& path)
{
    const std::size_t start = nameStart(path);
    if (start == 0)
        return ".";
    // Keep the separator of a root ("/", "C:\"), drop any other.
    const bool root = start == 1 || (start == 3 && path[1] == ':') || !isSeparator(path[start - 1]);
    return path.substr(0, root ? start : start - 1);
}

std::string baseOf(const std::string& path) { return path.substr(nameStart(path)); }

std::string join(const std::string& folder, const std::string& name)
{
    const char last = folder.back();
    return folder + (isSeparator(last) || last == ':' ? "" : "\\") + name;
}

// A path as the system's calls take it: full, with backslashes (ReplaceFileW
// takes no other), and in the "\\?\" form when it is long (MAX_PATH and
// more).
struct SystemPath {
    std::wstring path;
    DWORD error = ERROR_SUCCESS;
};

SystemPath systemPath(const std::string& path)
{
    auto wide = toWide(path);
    if (!wide)
        return {std::wstring(), ERROR_NO_UNICODE_TRANSLATION};
    if (wide->empty())
        return {std::wstring(), ERROR_PATH_NOT_FOUND};
    if (wide->starts_with(L"\\\\?\\"))
        return {std::move(*wide), ERROR_SUCCESS};
    const DWORD n = ::GetFullPathNameW(wide->c_str(), 0, nullptr, nullptr);
    std::wstring full(n, L'\0');
    const DWORD written = n ? ::GetFullPathNameW(wide->c_str(), n, full.data(), nullptr) : 0;
    if (written == 0 || written >= n)
        return {std::wstring(), ::GetLastError()};
    full.resize(written);
    if (full.size() < MAX_PATH || full.starts_with(L"\\\\.\\"))
        return {std::move(full), ERROR_SUCCESS};
    if (full.starts_with(L"\\\\"))
        return {L"\\\\?\\UNC\\" + full.substr(2), ERROR_SUCCESS};
    return {L"\\\\?\\" + full, ERROR_SUCCESS};
}

class Handle {
public:
    explicit Handle(HANDLE h) : m_h(h) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return m_h; }
    bool valid() const { return m_h != INVALID_HANDLE_VALUE; }
    bool close()
    {
        const bool ok = !valid() || ::CloseHandle(m_h);
        m_h = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE m_h;
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opens an existing file or folder; symbolic links are followed.
HANDLE openExisting(const std::wstring& path, DWORD access)
{
    return ::CreateFileW(path.c_str(), access, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// What a handle is open on: a regular file, a folder, or something else (a
// device such as NUL or CON, a pipe).
FileKind kindOf(HANDLE h, BY_HANDLE_FILE_INFORMATION& info)
{
    if (::GetFileType(h) != FILE_TYPE_DISK || !::GetFileInformationByHandle(h, &info))
        return FileKind::Other;
    return (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? FileKind::Directory : FileKind::Regular;
}

std::uint64_t ticks(const FILETIME& t) { return (std::uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; }

struct Target {
    std::string path;
    std::optional<std::string> failure;
};

// The file a path names after following a symbolic link: written beside
// it, the link stays. A link whose target does not exist is refused with
// the system's reason.
Target followLink(const std::string& path, const std::wstring& wide)
{
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return {path, std::nullopt};
    Handle h(openExisting(wide, 0));
    if (!h.valid())
        return {path, reason(::GetLastError())};
    std::wstring final(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetFinalPathNameByHandleW(h.get(), final.data(), static_cast<DWORD>(final.size()),
                                                    FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (n == 0)
            return {path, reason(::GetLastError())};
        if (n < final.size()) {
            final.resize(n);
            return {toUtf8(final), std::nullopt};
        }
        final.resize(n);
    }
}

// Temporary files of this target that a killed run left: regular files of
// the recognisable name, untouched for a minute.
void removeLeftovers(const std::string& folder, const std::string& name)
{
    const SystemPath pattern = systemPath(join(folder, "*"));
    if (pattern.error != ERROR_SUCCESS)
        return;
    WIN32_FIND_DATAW entry;
    HANDLE find = ::FindFirstFileW(pattern.path.c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return;
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    do {
        const std::string entryName = toUtf8(entry.cFileName);
        if ((entry.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
            || !isTempFileName(entryName, name, kNameMax) || ticks(now) - ticks(entry.ftLastWriteTime) <= kLeftoverAgeTicks)
            continue;
        const SystemPath leftover = systemPath(join(folder, entryName));
        if (leftover.error == ERROR_SUCCESS)
            ::DeleteFileW(leftover.path.c_str());
    } while (::FindNextFileW(find, &entry));
    ::FindClose(find);
}

bool writeAll(HANDLE file, ByteView bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr))
            return false;
        done += written;
    }
    return true;
}

// Why an existing file cannot be replaced, if it cannot: not a regular
// file, made read-only, or held open by another program that lets nobody
// write it.
std::optional<std::string> unreplaceable(const std::wstring& path, HANDLE query, DWORD& attributes)
{
    BY_HANDLE_FILE_INFORMATION info{};
    switch (kindOf(query, info)) {
    case FileKind::Directory:
        return std::string(msg::kIsDirectory);
    case FileKind::Regular:
        break;
    default:
        return std::string(msg::kNotRegularFile);
    }
    attributes = info.dwFileAttributes;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return reason(ERROR_ACCESS_DENIED);
    Handle probe(openExisting(path, GENERIC_WRITE));
    if (!probe.valid())
        return reason(::GetLastError());
    return std::nullopt;
}

// Puts the complete temporary file in the target's place in one step.
// ReplaceFileW keeps the replaced file's security and other metadata and
// parks the old file under `backup` (a temporary name of ours, so that a
// kill in between leaves a leftover that a later write removes); MoveFileExW
// places a new file. When the replacement fails after the old file was
// parked, the old file is moved back; failing that, both files are kept,
// since between them they hold the only copies.
DWORD putInPlace(const std::wstring& tmp, const std::wstring& backup, const std::wstring& path, bool replacing,
                 bool& keepTemporary)
{
    keepTemporary = false;
    if (replacing) {
        if (::ReplaceFileW(path.c_str(), tmp.c_str(), backup.c_str(),
                           REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr, nullptr)) {
            ::DeleteFileW(backup.c_str());
            return ERROR_SUCCESS;
        }
        const DWORD err = ::GetLastError();
        if (err == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 && !::MoveFileExW(backup.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH))
            keepTemporary = true;
        if (err != ERROR_FILE_NOT_FOUND)
            return err;
    }
    constexpr DWORD kMoveFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    return ::MoveFileExW(tmp.c_str(), path.c_str(), kMoveFlags) ? ERROR_SUCCESS : ::GetLastError();
}

// For the tests of interrupted writes only: PST_TEST_PAUSE_BEFORE_RENAME_MS
// holds a complete temporary file that long (at most ten seconds) before
// it is put in place.
void testPauseBeforeRename()
{
    const char* value = std::getenv("PST_TEST_PAUSE_BEFORE_RENAME_MS");
    if (value)
        ::Sleep(static_cast<DWORD>(std::clamp(std::strtol(value, nullptr, 10), 0L, 10'000L)));
}

class RealFileSystem final : public FileSystem {
public:
    FileKind kind(const std::string& path) override
    {
        const SystemPath wide = systemPath(path);
        if (wide.error != ERROR_SUCCESS)
            return FileKind::Missing;
        Handle h(openExisting(wide.path, FILE_READ_ATTRIBUTES));
        if (!h.valid())
            return FileKind::Missing;
        BY_HANDLE_FILE_INFORMATION info{};
        return kindOf(h.get(), info);
    }

    std::optional<FileStamp> stamp(const std::string& path) override
    {
        const SystemPath wide = systemPath(path);
        if (wide.error != ERROR_SUCCESS)
            return std::nullopt;
        Handle h(openExisting(wide.path, FILE_READ_ATTRIBUTES));
        BY_HANDLE_FILE_INFORMATION info{};
        if (!h.valid() || kindOf(h.get(), info) != FileKind::Regular)
            return std::nullopt;
        FileStamp s;
        s.size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
        s.mtimeNs = (static_cast<std::int64_t>(ticks(info.ftLastWriteTime)) - kUnixEpochTicks) * 100;
        s.inode = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
        s.device = info.dwVolumeSerialNumber;
        return s;
    }

    ReadResult readFile(const std::string& path, std::uint64_t maxSize) override
    {
        ReadResult r;
        const SystemPath wide = systemPath(path);
        if (wide.error != ERROR_SUCCESS) {
            r.error = reason(wide.error);
            return r;
        }
        // Opening a pipe or a device does not wait; they are refused below.
        Handle h(openExisting(wide.path, GENERIC_READ));
        if (!h.valid()) {
            r.error = reason(::GetLastError());
            return r;
        }
        try {
            readOpen(h.get(), maxSize, r);
        } catch (const std::bad_alloc&) {
            r = ReadResult{};
            r.error = std::string(msg::kNotEnoughMemory);
        }
        return r;
    }

    std::optional<std::string> writeFileAtomic(const std::string& linkPath, ByteView bytes) override
    {
        const SystemPath linkWide = systemPath(linkPath);
        if (linkWide.error != ERROR_SUCCESS)
            return reason(linkWide.error);
        const Target target = followLink(linkPath, linkWide.path);
        if (target.failure)
            return target.failure;
        const std::string& path = target.path;
        const SystemPath wide = systemPath(path);
        if (wide.error != ERROR_SUCCESS)
            return reason(wide.error);

        DWORD attributes = 0;
        Handle query(openExisting(wide.path, FILE_READ_ATTRIBUTES));
        const bool replacing = query.valid();
        if (replacing)
            if (auto refused = unreplaceable(wide.path, query.get(), attributes))
                return refused;
        query.close();
        const std::string folder = folderOf(path);
        const std::string name = baseOf(path);
        removeLeftovers(folder, name);

        TempFileGuard guard;
        SystemPath tmp;
        HANDLE created = INVALID_HANDLE_VALUE;
        for (int attempt = 0; created == INVALID_HANDLE_VALUE && attempt < kTempNameTries; ++attempt) {
            tmp = systemPath(join(folder, tempFileName(name, tempUniquePart(), kNameMax)));
            if (tmp.error != ERROR_SUCCESS)
                return reason(tmp.error);
            created = static_cast<HANDLE>(guard.create(tmp.path));
            const DWORD err = ::GetLastError();
            if (created == INVALID_HANDLE_VALUE && err != ERROR_FILE_EXISTS && err != ERROR_ALREADY_EXISTS)
                break;
        }
        if (created == INVALID_HANDLE_VALUE)
            return reason(::GetLastError());
        Handle file(created);
        bool ok = writeAll(file.get(), bytes) && ::FlushFileBuffers(file.get());
        DWORD err = ok ? ERROR_SUCCESS : ::GetLastError();
        if (!file.close() && ok) {
            err = ::GetLastError();
            ok = false;
        }
        // The successor takes over the attributes, on every system alike.
        if (ok && replacing && (attributes & kKeptAttributes))
            ::SetFileAttributesW(tmp.path.c_str(), attributes & kKeptAttributes);
        if (!ok)
            return reason(err); // the guard removes the temporary file
        testPauseBeforeRename();
        const SystemPath backup = systemPath(join(folder, tempFileName(name, tempUniquePart(), kNameMax)));
        bool keepTemporary = false;
        err = putInPlace(tmp.path, backup.path, wide.path, replacing, keepTemporary);
        if (err != ERROR_SUCCESS && !keepTemporary)
            return reason(err);
        guard.keep();
        return err == ERROR_SUCCESS ? std::nullopt : std::optional<std::string>(reason(err));
    }

private:
    // Reads a regular file of at most maxSize bytes whole; anything else is
    // refused before a byte is read.
    static void readOpen(HANDLE h, std::uint64_t maxSize, ReadResult& r)
    {
        BY_HANDLE_FILE_INFORMATION info{};
        switch (kindOf(h, info)) {
        case FileKind::Directory:
            r.error = std::string(msg::kIsDirectory);
            return;
        case FileKind::Regular:
            break;
        default:
            r.error = std::string(msg::kNotRegularFile);
            return;
        }
        const std::uint64_t size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
        if (size > maxSize) {
            r.error = std::string(msg::kFileTooLarge);
            return;
        }
        // One buffer of the file's size; the loop still reads to the end,
        // for a file that grows meanwhile, up to the limit.
        r.bytes.reserve(static_cast<std::size_t>(size));
        static constexpr DWORD kChunk = 1 << 16;
        Byte buf[kChunk];
        for (;;) {
            DWORD n = 0;
            if (!::ReadFile(h, buf, kChunk, &n, nullptr) || r.bytes.size() + n > maxSize) {
                r.error = n == 0 ? reason(::GetLastError()) : std::string(msg::kFileTooLarge);
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
