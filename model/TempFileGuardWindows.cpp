#include "model/TempFileGuardWindows.h"

#include <atomic>
#include <cwchar>
#include <windows.h>

namespace pst {

namespace {

// What the handler reads: a name written before it is armed. The longest
// path the system takes, in UTF-16 units, with its terminator.
constexpr std::size_t kMaxPath = 32768;
wchar_t g_path[kMaxPath];
std::atomic<bool> g_armed{false};

static_assert(std::atomic<bool>::is_always_lock_free);

// Runs on a thread of its own while the write goes on. The file was opened
// for deleting by others, so it goes at once, or when its handle closes as
// the process ends.
BOOL WINAPI removeTempFile(DWORD /*event*/)
{
    if (g_armed.exchange(false))
        ::DeleteFileW(g_path);
    return FALSE; // the next handler, in the end the system's, ends the process
}

} // namespace

TempFileGuard::TempFileGuard()
{
    m_installed = ::SetConsoleCtrlHandler(removeTempFile, TRUE) != 0;
}

TempFileGuard::~TempFileGuard()
{
    if (m_armed && g_armed.exchange(false))
        ::DeleteFileW(g_path);
    if (m_installed)
        ::SetConsoleCtrlHandler(removeTempFile, FALSE);
}

void* TempFileGuard::create(const std::wstring& path)
{
    if (path.size() >= kMaxPath) {
        ::SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return INVALID_HANDLE_VALUE;
    }
    // Armed before the file exists, so that no event comes between.
    std::wmemcpy(g_path, path.c_str(), path.size() + 1);
    g_armed = true;
    m_armed = true;
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD err = ::GetLastError();
        g_armed = false; // not ours: someone else's file, or none
        m_armed = false;
        ::SetLastError(err);
    }
    return file;
}

void TempFileGuard::keep()
{
    g_armed = false;
    m_armed = false;
}

} // namespace pst
