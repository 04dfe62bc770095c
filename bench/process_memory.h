// The process's own memory figures from Linux's /proc, for the benchmark programs.
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>

namespace tavi::bench {

// Kilobytes from a "Key:   1234 kB" line of /proc/self/status ("VmRSS", "VmHWM").
inline long StatusKb(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(key) + ":";
    while (std::getline(status, line))
        if (line.rfind(prefix, 0) == 0)
            return std::atol(line.c_str() + prefix.size());
    return 0;
}

// Peak resident memory restarts from the current figure (Linux "clear_refs" 5).
inline void ResetPeakRss()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

}  // namespace tavi::bench
