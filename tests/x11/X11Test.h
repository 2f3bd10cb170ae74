// The fixture of the window tests: each test gets its own X server with openbox and a magenta
// desktop, its own run folder, xdotool for input, and starts its programs through here.
#pragma once
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "ClientWindow.h"
#include "RunFolder.h"
#include "XServer.h"
#include "XdoTool.h"

class X11Test : public ::testing::Test {
protected:
    // Time limits for things that take well under a second on an idle machine.
    static constexpr std::chrono::milliseconds Patience = std::chrono::seconds(30);

    // dataSource: copied into the run folder's data/; empty for none.
    explicit X11Test(const std::filesystem::path& dataSource = {});
    ~X11Test() override;

    XServer& server() { return server_; }
    const XdoTool& xdo() const { return xdo_; }
    RunFolder& folder() { return folder_; }

    // Starts argv in the run folder with its environment; output goes to the folder's output file.
    std::unique_ptr<ChildProcess> start(const std::vector<std::string>& argv);
    // The same, in a private mount namespace where the given library file reads as an empty file,
    // so dlopen fails on it while the rest of the system stays as it is.
    std::unique_ptr<ChildProcess> startHiding(const std::filesystem::path& library,
                                              const std::vector<std::string>& argv);

    // The first viewable window of the process that the filter accepts, waiting for it.
    std::optional<ClientWindow> waitForWindow(pid_t pid, const std::function<bool(const ClientWindow&)>& filter,
                                              std::chrono::milliseconds timeout = Patience);
    // The window as it is now, once the condition holds of it.
    std::optional<ClientWindow> waitForState(Window id, const std::function<bool(const ClientWindow&)>& condition,
                                             std::chrono::milliseconds timeout = Patience);
    // Where the dynamic loader finds a library by its soname here (dlopen's own answer).
    static std::filesystem::path libraryFile(const std::string& soname);

    // Whether any viewable window of the process passes the filter right now.
    bool hasWindow(pid_t pid, const std::function<bool(const ClientWindow&)>& filter);

    // What the program has written to stdout and stderr so far.
    std::string programOutput();
    // That and the windows on the screen, for failure messages.
    std::string report();

private:
    XServer server_;
    XdoTool xdo_;
    RunFolder folder_;
};
