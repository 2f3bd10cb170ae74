// Starting and ending the programs of the window tests.
#include "ChildProcess.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

std::vector<char*> pointers(std::vector<std::string>& strings)
{
    std::vector<char*> result;
    for (auto& s : strings)
        result.push_back(s.data());
    result.push_back(nullptr);
    return result;
}

// In the child between fork and exec: only async-signal-safe calls. Reports errno on the pipe.
[[noreturn]] void failInChild(int reportFd)
{
    const int error = errno;
    [[maybe_unused]] auto written = write(reportFd, &error, sizeof error);
    _exit(127);
}

}  // namespace

ChildProcess::ChildProcess(const Options& options)
{
    if (options.argv.empty())
        throw std::runtime_error("no program to start");
    std::vector<std::string> argvStrings = options.argv;
    std::vector<std::string> envStrings = options.environment;
    std::vector<char*> argv = pointers(argvStrings);
    std::vector<char*> envp = pointers(envStrings);
    const std::string cwd = options.workingDirectory.string();
    const std::string output = options.outputFile.empty() ? "/dev/null" : options.outputFile.string();
    const pid_t parent = getpid();

    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe: " + std::string(std::strerror(errno)));

    started_ = std::chrono::steady_clock::now();
    pid_ = fork();
    if (pid_ < 0) {
        close(report[0]);
        close(report[1]);
        throw std::runtime_error("fork: " + std::string(std::strerror(errno)));
    }
    if (pid_ == 0) {
        close(report[0]);
        // A test killed by its time limit must not leave an X server behind.
        if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent)
            _exit(127);
        setpgid(0, 0);
        if (!cwd.empty() && chdir(cwd.c_str()) != 0)
            failInChild(report[1]);
        const int in = open("/dev/null", O_RDONLY);
        const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (in < 0 || out < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(out, 2) < 0)
            failInChild(report[1]);
        if (options.passedDescriptor && fcntl(*options.passedDescriptor, F_SETFD, 0) != 0)
            failInChild(report[1]);
        execvpe(argv[0], argv.data(), envp.data());
        failInChild(report[1]);
    }
    close(report[1]);
    int error = 0;
    ssize_t got;
    do
        got = read(report[0], &error, sizeof error);
    while (got < 0 && errno == EINTR);
    close(report[0]);
    if (got > 0) {
        reap(0);
        throw std::runtime_error("cannot start " + options.argv[0] + ": " + std::strerror(error));
    }
}

ChildProcess::~ChildProcess()
{
    stop(SIGKILL);
}

bool ChildProcess::reap(int flags)
{
    if (exitCode_)
        return true;
    int status = 0;
    const pid_t r = waitpid(pid_, &status, flags);
    if (r != pid_)
        return false;
    exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return true;
}

std::optional<int> ChildProcess::waitExit(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!reap(WNOHANG)) {
        if (std::chrono::steady_clock::now() >= deadline)
            return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return exitCode_;
}

bool ChildProcess::running()
{
    return !reap(WNOHANG);
}

std::optional<int> ChildProcess::stop(int signal, std::chrono::milliseconds timeout)
{
    if (running()) {
        kill(pid_, signal);
        if (!waitExit(timeout)) {
            kill(pid_, SIGKILL);
            reap(0);
        }
    }
    return exitCode_;
}

std::vector<std::string> ChildProcess::environmentWith(const std::vector<std::string>& changes)
{
    std::vector<std::string> result;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        bool replaced = false;
        for (const auto& change : changes)
            replaced = replaced || change.substr(0, change.find('=')) == name;
        if (!replaced)
            result.push_back(entry);
    }
    result.insert(result.end(), changes.begin(), changes.end());
    return result;
}
