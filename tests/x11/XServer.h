// A private X server for window tests and benchmarks: Xvfb with a 1024 x 768 screen, openbox as
// window manager and a magenta desktop, so that whatever is not a window shows plainly. Everything
// it started ends with it.
#pragma once
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include <X11/Xlib.h>

#include "ChildProcess.h"
#include "ClientWindow.h"
#include "Screenshot.h"

class XServer {
public:
    static constexpr int ScreenWidth = 1024;
    static constexpr int ScreenHeight = 768;
    static constexpr std::uint32_t Desktop = 0xFF00FF;

    // Throws std::runtime_error when the server or the window manager does not come up.
    explicit XServer(bool withWindowManager = true);
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;
    ~XServer();

    const std::string& name() const { return name_; }   // ":N", for DISPLAY
    Display* display() const { return display_; }

    // Every window that carries a process id (the top-level windows of toolkits), viewable or not.
    std::vector<ClientWindow> clientWindows() const;
    std::optional<ClientWindow> window(Window id) const;
    // The first viewable window of the process that the filter accepts, as things are now.
    std::optional<ClientWindow> findWindow(pid_t pid, const std::function<bool(const ClientWindow&)>& filter) const;
    Screenshot screenshot() const;
    // The window's bounding shape, one rectangle per XRectangle, in the window's own coordinates;
    // a window without a shape gives its whole rectangle.
    std::vector<XRectangle> boundingShape(Window id) const;
    bool isShaped(Window id) const;

    // Event barriers, for proving that something did not happen: once they return true, the
    // client (through _NET_WM_PING) or openbox (through _NET_REQUEST_FRAME_EXTENTS) has handled
    // every event the server sent it before.
    bool pingClient(Window id, std::chrono::milliseconds timeout) const;
    bool syncWindowManager(std::chrono::milliseconds timeout) const;

private:
    bool windowManagerMaps() const;
    void collect(Window parent, Window frame, std::vector<ClientWindow>& found) const;
    std::optional<ClientWindow> describe(Window id, Window frame) const;

    std::unique_ptr<ChildProcess> xvfb_;
    std::unique_ptr<ChildProcess> windowManager_;
    std::string name_;
    Display* display_ = nullptr;
    mutable long pings_ = 0;
};
