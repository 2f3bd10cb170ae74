// The window tests' fixture.
#include "X11Test.h"

#include <dlfcn.h>
#include <link.h>
#include <stdexcept>
#include <unistd.h>

#include "Poll.h"

X11Test::X11Test(const std::filesystem::path& dataSource)
    : server_(), xdo_(server_.name()), folder_(dataSource)
{
}

X11Test::~X11Test() = default;

std::unique_ptr<ChildProcess> X11Test::start(const std::vector<std::string>& argv)
{
    return std::make_unique<ChildProcess>(ChildProcess::Options{
        argv, folder_.root(), folder_.environment(server_.name()), folder_.output(), {}});
}

std::unique_ptr<ChildProcess> X11Test::startHiding(const std::filesystem::path& library,
                                                   const std::vector<std::string>& argv)
{
    // unshare and sh both exec, so the program keeps the process id of the started child.
    std::vector<std::string> wrapped{"unshare"};
    if (geteuid() != 0)
        wrapped.push_back("--map-root-user");
    wrapped.insert(wrapped.end(), {"--mount", "--propagation", "private", "sh", "-c",
                                   "mount --bind \"$1\" \"$2\" && shift 2 && exec \"$@\"", "sh",
                                   folder_.emptyFile().string(), library.string()});
    wrapped.insert(wrapped.end(), argv.begin(), argv.end());
    return start(wrapped);
}

bool X11Test::hasWindow(pid_t pid, const std::function<bool(const ClientWindow&)>& filter)
{
    return server_.findWindow(pid, filter).has_value();
}

std::optional<ClientWindow> X11Test::waitForWindow(pid_t pid, const std::function<bool(const ClientWindow&)>& filter,
                                                   std::chrono::milliseconds timeout)
{
    return Poll::until([&] { return server_.findWindow(pid, filter); }, timeout);
}

std::optional<ClientWindow> X11Test::waitForState(Window id, const std::function<bool(const ClientWindow&)>& condition,
                                                  std::chrono::milliseconds timeout)
{
    return Poll::until([&]() -> std::optional<ClientWindow> {
        auto w = server_.window(id);
        if (w && condition(*w))
            return w;
        return std::nullopt;
    }, timeout);
}

std::string X11Test::programOutput()
{
    try {
        return folder_.read(folder_.output());
    } catch (const std::exception&) {
        return {};
    }
}

std::string X11Test::report()
{
    std::string text = "program output:\n" + programOutput() + "windows:\n";
    for (const auto& w : server_.clientWindows())
        text += "  " + std::to_string(w.id) + " pid " + std::to_string(w.pid) + " \"" + w.name + "\" " +
            (w.viewable ? "viewable " : "not viewable ") + std::to_string(w.width) + "x" +
            std::to_string(w.height) + "+" + std::to_string(w.x) + "+" + std::to_string(w.y) + "\n";
    return text;
}

std::filesystem::path X11Test::libraryFile(const std::string& soname)
{
    void* handle = dlopen(soname.c_str(), RTLD_LAZY);
    if (!handle)
        throw std::runtime_error(soname + " does not load: " + dlerror());
    link_map* map = nullptr;
    std::filesystem::path file;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 && map)
        file = map->l_name;
    dlclose(handle);
    if (file.empty())
        throw std::runtime_error("no file for " + soname);
    return file;
}
