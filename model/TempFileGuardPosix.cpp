#include "model/TempFileGuardPosix.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace pst {

namespace {

constexpr std::array<int, 3> kInterrupts = {SIGINT, SIGTERM, SIGHUP};

// What the handler reads: a name written before it is armed.
char g_path[PATH_MAX + 1];
std::atomic<bool> g_armed{false};
std::array<struct sigaction, kInterrupts.size()> g_previous{};
std::array<bool, kInterrupts.size()> g_installed{};
struct sigaction g_previousXfsz {};

static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void removeTempAndResignal(int sig)
{
    const int saved = errno;
    if (g_armed.exchange(false))
        ::unlink(g_path);
    for (std::size_t i = 0; i < kInterrupts.size(); ++i)
        if (kInterrupts[i] == sig)
            ::sigaction(sig, &g_previous[i], nullptr);
    // Blocked while this handler runs: delivered, as before, once it returns.
    ::raise(sig);
    errno = saved;
}

} // namespace

TempFileGuard::TempFileGuard()
{
    for (std::size_t i = 0; i < kInterrupts.size(); ++i) {
        g_installed[i] = false;
        if (::sigaction(kInterrupts[i], nullptr, &g_previous[i]) != 0 || g_previous[i].sa_handler == SIG_IGN)
            continue;
        struct sigaction action {};
        action.sa_handler = removeTempAndResignal;
        sigemptyset(&action.sa_mask);
        g_installed[i] = ::sigaction(kInterrupts[i], &action, nullptr) == 0;
    }
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGXFSZ, &ignore, &g_previousXfsz);
}

TempFileGuard::~TempFileGuard()
{
    if (m_armed && g_armed.exchange(false))
        ::unlink(g_path);
    for (std::size_t i = 0; i < kInterrupts.size(); ++i)
        if (g_installed[i])
            ::sigaction(kInterrupts[i], &g_previous[i], nullptr);
    ::sigaction(SIGXFSZ, &g_previousXfsz, nullptr);
}

int TempFileGuard::create(const std::string& path)
{
    if (path.size() > PATH_MAX) {
        errno = ENAMETOOLONG;
        return -1;
    }
    // Armed before the file exists, so that no interrupt comes between.
    std::memcpy(g_path, path.c_str(), path.size() + 1);
    g_armed = true;
    m_armed = true;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        const int err = errno;
        g_armed = false; // not ours: someone else's file, or none
        m_armed = false;
        errno = err;
    }
    return fd;
}

void TempFileGuard::keep()
{
    g_armed = false;
    m_armed = false;
}

} // namespace pst
