#pragma once
// Wall-clock and processor time of one run. On a shared, loaded machine the
// wall clock also counts the time spent waiting for a processor; the
// processor time is what the program itself spent.

#include <QtCore/QElapsedTimer>

struct Timing {
    double wallMs = -1; // negative: the run failed
    double cpuMs = -1;
};

class Stopwatch {
public:
    Stopwatch();
    // Since construction: this process's processor time, or that of the
    // child processes that ended meanwhile (`children`).
    Timing elapsed(bool children = false) const;

private:
    static double processCpuMs();
    static double childrenCpuMs();

    QElapsedTimer m_wall;
    double m_process = 0;
    double m_children = 0;
};
