// Window benchmarks, on a private Xvfb with openbox: time from exec to the mapped window, next to
// the GTK sliding puzzle gnome-taquin measured the same way in the same run; resident memory; and
// the game's CPU use while a round idles and while it shuffles. Prints figures, checks nothing.
// Usage: tavlo_window_bench [runs]
// The game's layout brings Qt, which must come before Xlib: Xlib's macros clash with Qt's names.
#include "Layout.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ChildProcess.h"
#include "Poll.h"
#include "ProcessStats.h"
#include "RunFolder.h"
#include "XServer.h"
#include "XdoTool.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Filter = std::function<bool(const ClientWindow&)>;

constexpr auto Patience = 30s;

struct Program {
    const char* label;
    std::vector<std::string> argv;
    std::vector<std::string> environment;
    Filter isWindow;
};

std::optional<ClientWindow> waitMapped(const XServer& x, pid_t pid, const Filter& isWindow)
{
    return Poll::until([&] { return x.findWindow(pid, isWindow); }, Patience, 1ms);
}

std::unique_ptr<ChildProcess> launch(const Program& p, const RunFolder& folder)
{
    return std::make_unique<ChildProcess>(ChildProcess::Options{p.argv, folder.root(), p.environment, {}, {}});
}

// Seconds from just before exec to the window seen mapped, or a negative value when it never was.
double startupSeconds(const XServer& x, const Program& p, const RunFolder& folder)
{
    auto child = launch(p, folder);
    const auto w = waitMapped(x, child->pid(), p.isWindow);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - child->started()).count();
    child->stop(SIGTERM);
    return w ? seconds : -1;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// CPU of the whole process (clock ticks of /proc/PID/stat) and of each thread (nanoseconds of
// schedstat) between two samples, as percent of one core.
void printCpu(const char* what, pid_t pid, const std::map<pid_t, ProcessStats::Thread>& before,
              double totalBefore, double seconds)
{
    const double total = ProcessStats::cpuSeconds(pid) - totalBefore;
    std::printf("  CPU %s, over %.0f s: %.3f %% of a core\n", what, seconds, 100 * total / seconds);
    for (const auto& [tid, t] : ProcessStats::threads(pid)) {
        const auto was = before.find(tid);
        const double used = t.cpuSeconds - (was == before.end() ? 0 : was->second.cpuSeconds);
        std::printf("    %-8s thread %-16s %.4f %%\n", tid == pid ? "UI" : "other", t.name.c_str(), 100 * used / seconds);
    }
}

void measureTavlo(const XServer& x, const XdoTool& xdo, const Program& tavlo, const RunFolder& folder, bool music)
{
    std::printf("%s, %s:\n", tavlo.label, music ? "with the tune" : "without data/tavl.ogg");
    auto child = launch(tavlo, folder);
    const pid_t pid = child->pid();
    const auto w = waitMapped(x, pid, tavlo.isWindow);
    if (!w) {
        std::printf("  the window never mapped\n");
        return;
    }
    const auto mapped = std::chrono::steady_clock::now();
    std::this_thread::sleep_until(mapped + 5s);
    std::printf("  VmRSS 5 s after mapping: %.1f MB\n", ProcessStats::residentKiB(pid) / 1024.0);

    // The round started at start-up has shuffled (3 s) and dealt (0.9 s) long before this.
    std::this_thread::sleep_until(mapped + 8s);
    auto threads = ProcessStats::threads(pid);
    double total = ProcessStats::cpuSeconds(pid);
    std::this_thread::sleep_until(mapped + 28s);
    printCpu("of an idle round", pid, threads, total, 20);

    const QPoint newGame = Layout::Image15.center();
    xdo.click(w->x + newGame.x(), w->y + newGame.y());
    const auto clicked = std::chrono::steady_clock::now();
    threads = ProcessStats::threads(pid);
    total = ProcessStats::cpuSeconds(pid);
    std::this_thread::sleep_until(clicked + 3s);
    printCpu("during a new game's shuffle", pid, threads, total, 3);
    std::printf("  VmRSS after the new game: %.1f MB\n", ProcessStats::residentKiB(pid) / 1024.0);
    child->stop(SIGTERM);
}

void measurePeerMemory(const XServer& x, const Program& peer, const RunFolder& folder)
{
    auto child = launch(peer, folder);
    if (!waitMapped(x, child->pid(), peer.isWindow)) {
        std::printf("%s: the window never mapped\n", peer.label);
        return;
    }
    const auto mapped = std::chrono::steady_clock::now();
    std::this_thread::sleep_until(mapped + 1s);
    const long at1 = ProcessStats::residentKiB(child->pid());
    std::this_thread::sleep_until(mapped + 3s);
    const long at3 = ProcessStats::residentKiB(child->pid());
    std::printf("%s: VmRSS %.1f MB 1 s after mapping, %.1f MB after 3 s\n", peer.label, at1 / 1024.0, at3 / 1024.0);
    child->stop(SIGTERM);
}

std::optional<fs::path> findPeer()
{
    for (const char* dir : {"/usr/games", "/usr/bin", "/usr/local/games", "/usr/local/bin"})
        if (fs::exists(fs::path(dir) / "gnome-taquin"))
            return fs::path(dir) / "gnome-taquin";
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    XServer x;
    XdoTool xdo(x.name());
    RunFolder folder(TAVLO_ASSETS "/data");

    const Program tavlo{"tavlo", {TAVLO_PROGRAM}, folder.environment(x.name()), [](const ClientWindow& w) {
        return w.name == "Tavlo" && w.width == Layout::WindowWidth && w.height == Layout::WindowHeight;
    }};
    // Without a session bus, GSettings' dconf backend logs a warning for every write it cannot
    // commit; the peer is measured as installed and with the memory backend, which spares it that.
    const auto peerPath = findPeer();
    std::vector<Program> peers;
    if (peerPath) {
        const auto any = [](const ClientWindow&) { return true; };
        peers.push_back({"gnome-taquin", {peerPath->string()}, folder.environment(x.name()), any});
        auto memory = folder.environment(x.name());
        memory.push_back("GSETTINGS_BACKEND=memory");
        peers.push_back({"gnome-taquin (GSettings in memory)", {peerPath->string()}, memory, any});
    } else {
        std::printf("gnome-taquin is not installed (scripts/install-deps.sh --bench installs it)\n");
    }

    std::printf("Start-up, exec to window mapped (Xvfb 1024x768, openbox), median of %d runs after one warm-up:\n", runs);
    std::vector<double> ours;
    std::vector<std::vector<double>> theirs(peers.size());
    startupSeconds(x, tavlo, folder);
    for (const auto& p : peers)
        startupSeconds(x, p, folder);
    for (int i = 0; i < runs; ++i) {
        ours.push_back(startupSeconds(x, tavlo, folder));
        for (std::size_t k = 0; k < peers.size(); ++k)
            theirs[k].push_back(startupSeconds(x, peers[k], folder));
    }
    const auto line = [](const char* label, const std::vector<double>& v) {
        std::string ms;
        for (double t : v)
            ms += " " + std::to_string(static_cast<int>(t * 1000 + 0.5));
        std::printf("  %-36s %.3f s  (ms:%s)\n", label, median(v), ms.c_str());
    };
    line(tavlo.label, ours);
    for (std::size_t k = 0; k < peers.size(); ++k) {
        line(peers[k].label, theirs[k]);
        std::printf("  %-36s %.3f (goal: at most 0.25)\n", "  ratio tavlo / this", median(ours) / median(theirs[k]));
    }

    for (const auto& p : peers)
        measurePeerMemory(x, p, folder);
    measureTavlo(x, xdo, tavlo, folder, true);
    fs::remove(folder.data() / "tavl.ogg");
    measureTavlo(x, xdo, tavlo, folder, false);
    std::printf("Goals: VmRSS at most 40 MB; an idle round under 0.1 %% of a core.\n");
    return 0;
}
