#pragma once
// The temporary file of one atomic write on Windows, removed however the
// write ends: by the destructor when it fails, and by a console control
// handler when Ctrl+C, Ctrl+Break, the closing of the console window, a
// log-off or a shut-down ends the program meanwhile (the handler then lets
// the event end the process as it would have). A window has no console:
// there a kill is left to the clean-up of leftovers by the next write. One
// guard at a time: the programs write from one thread.

#include <string>

namespace pst {

class TempFileGuard {
public:
    TempFileGuard();
    ~TempFileGuard();
    TempFileGuard(const TempFileGuard&) = delete;
    TempFileGuard& operator=(const TempFileGuard&) = delete;

    // Creates `path` new (never an existing file), for writing; its handle
    // (a HANDLE), or INVALID_HANDLE_VALUE with GetLastError set. The handler
    // removes it from now on, also while the handle is open.
    void* create(const std::wstring& path);
    // The file has been moved into place: nothing is left to remove.
    void keep();

private:
    bool m_armed = false;
    bool m_installed = false;
};

} // namespace pst
