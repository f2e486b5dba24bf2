#pragma once

#include <sys/resource.h>

// What this process has used so far, as the benchmarks report it. On a machine shared with other
// work, CPU time says more about the cost than wall time.
namespace ProcessUsage {

inline double peakMegabytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

inline double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) { return double(time.tv_sec) + double(time.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace ProcessUsage
