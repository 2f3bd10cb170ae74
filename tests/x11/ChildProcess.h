// A program started by a window test or benchmark: its own working directory, environment and
// output file, its exit awaited with a time limit, and never left running when the owner goes.
#pragma once
#include <chrono>
#include <csignal>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>
#include <sys/types.h>

class ChildProcess {
public:
    struct Options {
        std::vector<std::string> argv;             // argv[0] is looked up in PATH
        std::filesystem::path workingDirectory;    // empty: the caller's
        std::vector<std::string> environment;      // "NAME=value"; the whole environment
        std::filesystem::path outputFile;          // stdout and stderr; empty: /dev/null
        std::optional<int> passedDescriptor;       // kept open across exec under its own number
    };

    // Throws std::runtime_error when the program cannot be started.
    explicit ChildProcess(const Options& options);
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    // Kills the program if it still runs, and reaps it.
    ~ChildProcess();

    pid_t pid() const { return pid_; }
    std::chrono::steady_clock::time_point started() const { return started_; }

    // The exit code (128 + signal number when a signal ended it), or nothing when the program is
    // still running after the timeout.
    std::optional<int> waitExit(std::chrono::milliseconds timeout);
    bool running();
    // Sends the signal (if still running) and reaps the program; returns its exit code.
    std::optional<int> stop(int signal = SIGKILL, std::chrono::milliseconds timeout = std::chrono::seconds(10));

    // This process's environment with the given "NAME=value" entries replacing or adding to it.
    static std::vector<std::string> environmentWith(const std::vector<std::string>& changes);

private:
    bool reap(int flags);

    pid_t pid_ = -1;
    std::chrono::steady_clock::time_point started_;
    std::optional<int> exitCode_;
};
