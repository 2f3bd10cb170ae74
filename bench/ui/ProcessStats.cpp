// Reading /proc/PID/status and the stat files of a process and its threads.
#include "ProcessStats.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

// utime and stime are fields 14 and 15 of a stat line; the name in parentheses may hold spaces,
// so counting starts after its closing parenthesis (field 3 is the first after it).
double statCpuSeconds(const std::filesystem::path& stat)
{
    std::ifstream in(stat);
    std::string line;
    if (!std::getline(in, line))
        return 0;
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    unsigned long long utime = 0, stime = 0;
    for (int n = 3; n <= 15 && fields >> field; ++n) {
        if (n == 14)
            utime = std::stoull(field);
        if (n == 15)
            stime = std::stoull(field);
    }
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace

long ProcessStats::residentKiB(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (in >> key) {
        if (key == "VmRSS:") {
            long kib = -1;
            in >> kib;
            return kib;
        }
        in.ignore(1 << 16, '\n');
    }
    return -1;
}

double ProcessStats::cpuSeconds(pid_t pid)
{
    return statCpuSeconds("/proc/" + std::to_string(pid) + "/stat");
}

std::map<pid_t, ProcessStats::Thread> ProcessStats::threads(pid_t pid)
{
    std::map<pid_t, Thread> result;
    std::error_code ignored;
    for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", ignored)) {
        Thread t;
        std::ifstream(task.path() / "comm") >> t.name;
        unsigned long long nanoseconds = 0;
        std::ifstream(task.path() / "schedstat") >> nanoseconds;
        t.cpuSeconds = static_cast<double>(nanoseconds) / 1e9;
        result[static_cast<pid_t>(std::stol(task.path().filename().string()))] = t;
    }
    return result;
}
