// What /proc says of a running process: resident memory and CPU time, whole or per thread.
#pragma once
#include <map>
#include <string>
#include <sys/types.h>

class ProcessStats {
public:
    struct Thread {
        std::string name;
        double cpuSeconds = 0;  // from schedstat: nanoseconds on a CPU, not clock ticks
    };

    static long residentKiB(pid_t pid);          // VmRSS; -1 when unreadable
    static double cpuSeconds(pid_t pid);         // user + system time of every thread
    static std::map<pid_t, Thread> threads(pid_t pid);
};
