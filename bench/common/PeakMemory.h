// How far this process's resident memory rises while a benchmark runs.
#pragma once

#include <fstream>
#include <string>

namespace bench {

// A status line of this process in kB ("VmRSS:", "VmHWM:").
inline long StatusKilobytes(const std::string& Key)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(Key))
            return std::stol(line.substr(Key.size()));
    return 0;
}

// Measures how far resident memory rises above what it is now.
class TPeakMemory {
public:
    TPeakMemory() : Start_(StatusKilobytes("VmRSS:"))
    {
        std::ofstream("/proc/self/clear_refs") << "5"; // the peak starts again from here
    }
    double RiseMegabytes() const { return static_cast<double>(StatusKilobytes("VmHWM:") - Start_) / 1024.0; }

private:
    long Start_;
};

} // namespace bench
