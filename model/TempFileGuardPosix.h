#pragma once
// The temporary file of one atomic write on POSIX, removed however the
// write ends: by the destructor when it fails, and by a signal handler when
// SIGINT, SIGTERM or SIGHUP interrupts it (the signal then ends the process
// as it would have; a signal that the process ignores stays ignored).
// SIGXFSZ is ignored meanwhile, so that a write past the file size limit
// fails with "File too large" and is cleaned up instead of killing the
// process. One guard at a time: the programs write from one thread.

#include <string>

namespace pst {

class TempFileGuard {
public:
    TempFileGuard();
    ~TempFileGuard();
    TempFileGuard(const TempFileGuard&) = delete;
    TempFileGuard& operator=(const TempFileGuard&) = delete;

    // Creates `path` new (never an existing file), for writing; the file
    // descriptor, or -1 with errno set. The handlers remove it from now on.
    int create(const std::string& path);
    // The file has been renamed into place: nothing is left to remove.
    void keep();

private:
    bool m_armed = false;
};

} // namespace pst
