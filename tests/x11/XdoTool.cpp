// xdotool, started once per command.
#include "XdoTool.h"

#include <chrono>

#include "ChildProcess.h"

bool XdoTool::run(const std::vector<std::string>& arguments) const
{
    std::vector<std::string> argv{"xdotool"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    ChildProcess xdotool({argv, {}, ChildProcess::environmentWith({"DISPLAY=" + display_}), {}, {}});
    return xdotool.waitExit(std::chrono::seconds(30)) == 0;
}

bool XdoTool::mouseMove(int x, int y) const
{
    return run({"mousemove", std::to_string(x), std::to_string(y)});
}

bool XdoTool::mouseDown(int button) const
{
    return run({"mousedown", std::to_string(button)});
}

bool XdoTool::mouseUp(int button) const
{
    return run({"mouseup", std::to_string(button)});
}

bool XdoTool::click(int x, int y, int button) const
{
    return mouseMove(x, y) && run({"click", std::to_string(button)});
}

bool XdoTool::key(const std::string& name) const
{
    return run({"key", name});
}

bool XdoTool::minimize(Window w) const
{
    return run({"windowminimize", std::to_string(w)});
}

bool XdoTool::activate(Window w) const
{
    return run({"windowactivate", std::to_string(w)});
}

bool XdoTool::map(Window w) const
{
    return run({"windowmap", std::to_string(w)});
}
