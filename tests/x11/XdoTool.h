// Real input for the window tests: pointer and keyboard events through the XTEST extension, and the
// window manager's minimise and activate, all sent by xdotool on one X server.
#pragma once
#include <string>
#include <vector>
#include <X11/Xlib.h>

class XdoTool {
public:
    explicit XdoTool(std::string display) : display_(std::move(display)) {}

    // Each returns whether xdotool did it (exit code 0 within a generous time).
    bool run(const std::vector<std::string>& arguments) const;
    bool mouseMove(int x, int y) const;
    bool mouseDown(int button) const;
    bool mouseUp(int button) const;
    bool click(int x, int y, int button = 1) const;
    bool key(const std::string& name) const;
    bool minimize(Window w) const;
    bool activate(Window w) const;
    bool map(Window w) const;

private:
    std::string display_;
};
