// Forking with limits for score-file tests.
#include "ForkedRun.h"

#include <csignal>
#include <exception>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;

std::string applyLimits(const ChildLimits& limits)
{
    if (limits.fileSizeLimit) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{*limits.fileSizeLimit, *limits.fileSizeLimit};
        if (setrlimit(RLIMIT_FSIZE, &size) != 0)
            return "child failed: setrlimit";
    }
    if (limits.ordinaryUser && geteuid() == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0)
            return "child failed: cannot drop to an ordinary user";
    }
    return {};
}

void writeAll(int fd, const std::string& text)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const ssize_t n = write(fd, text.data() + at, text.size() - at);
        if (n <= 0)
            return;
        at += static_cast<std::size_t>(n);
    }
}

}  // namespace

std::string runInChild(const ChildLimits& limits, const std::function<std::string()>& body)
{
    int channel[2];
    if (pipe(channel) != 0)
        return "child failed: pipe";
    const pid_t pid = fork();
    if (pid < 0)
        return "child failed: fork";
    if (pid == 0) {
        close(channel[0]);
        std::string result = applyLimits(limits);
        if (result.empty()) {
            try {
                result = body();
            } catch (const std::exception& e) {
                result = e.what();
            }
        }
        writeAll(channel[1], result);
        _exit(0);
    }
    close(channel[1]);
    std::string result;
    char buffer[256];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0)
            break;
        result.append(buffer, static_cast<std::size_t>(n));
    }
    close(channel[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "child failed: ended abnormally";
    return result;
}
