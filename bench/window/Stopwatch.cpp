#include "Stopwatch.h"

#include <sys/resource.h>
#include <time.h>

namespace {
double ms(const timeval& t)
{
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}
} // namespace

Stopwatch::Stopwatch() : m_process(processCpuMs()), m_children(childrenCpuMs())
{
    m_wall.start();
}

Timing Stopwatch::elapsed(bool children) const
{
    Timing t;
    t.wallMs = static_cast<double>(m_wall.nsecsElapsed()) / 1e6;
    t.cpuMs = children ? childrenCpuMs() - m_children : processCpuMs() - m_process;
    return t;
}

double Stopwatch::processCpuMs()
{
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double Stopwatch::childrenCpuMs()
{
    rusage u{};
    ::getrusage(RUSAGE_CHILDREN, &u);
    return ms(u.ru_utime) + ms(u.ru_stime);
}
