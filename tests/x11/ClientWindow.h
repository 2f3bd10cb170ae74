// What the X server says of one program's top-level window.
#pragma once
#include <string>
#include <X11/Xlib.h>
#include <sys/types.h>

struct ClientWindow {
    Window id = 0;
    Window frame = 0;     // the window manager's frame around it (the window itself if none)
    pid_t pid = 0;        // _NET_WM_PID
    std::string name;     // _NET_WM_NAME, else WM_NAME
    bool viewable = false;
    int x = 0, y = 0;     // top-left corner on the screen
    int width = 0, height = 0;
};
