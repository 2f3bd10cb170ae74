// Xvfb, openbox and the Xlib queries of the window tests.
#include "XServer.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

#include "Poll.h"

using namespace std::chrono_literals;

namespace {

// Windows come and go between a query and the next; such a request fails and its caller sees
// the failed status, so the error itself is of no interest.
int ignoreError(Display*, XErrorEvent*)
{
    return 0;
}

std::string readDisplayNumber(int fd)
{
    std::string text;
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    while (text.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd p{fd, POLLIN, 0};
        if (left <= 0ms || poll(&p, 1, static_cast<int>(left.count())) <= 0)
            throw std::runtime_error("Xvfb did not report its display");
        char buffer[32];
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0)
            throw std::runtime_error("Xvfb ended before it reported its display");
        text.append(buffer, static_cast<std::size_t>(got));
    }
    return text.substr(0, text.find('\n'));
}

std::optional<unsigned long> cardinalProperty(Display* d, Window w, const char* name, Atom type)
{
    Atom actualType;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    const Atom property = XInternAtom(d, name, False);
    if (XGetWindowProperty(d, w, property, 0, 1, False, type, &actualType, &format, &count, &after,
                           &data) != Success || !data)
        return std::nullopt;
    std::optional<unsigned long> value;
    if (actualType == type && format == 32 && count == 1)
        value = *reinterpret_cast<unsigned long*>(data);
    XFree(data);
    return value;
}

std::string windowName(Display* d, Window w)
{
    Atom actualType;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::string name;
    if (XGetWindowProperty(d, w, XInternAtom(d, "_NET_WM_NAME", False), 0, 1024, False,
                           XInternAtom(d, "UTF8_STRING", False), &actualType, &format, &count,
                           &after, &data) == Success && data) {
        name.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
        return name;
    }
    char* plain = nullptr;
    if (XFetchName(d, w, &plain) && plain) {
        name = plain;
        XFree(plain);
    }
    return name;
}

}  // namespace

XServer::XServer(bool withWindowManager)
{
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe: " + std::string(std::strerror(errno)));
    try {
        // -displayfd lets the server take the first free display itself, so parallel tests
        // cannot race for one.
        xvfb_ = std::make_unique<ChildProcess>(ChildProcess::Options{
            {"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen", "0",
             std::to_string(ScreenWidth) + "x" + std::to_string(ScreenHeight) + "x24",
             "-nolisten", "tcp"},
            {}, ChildProcess::environmentWith({}), {}, pipeFds[1]});
        close(pipeFds[1]);
        name_ = ":" + readDisplayNumber(pipeFds[0]);
        close(pipeFds[0]);
    } catch (...) {
        close(pipeFds[0]);
        close(pipeFds[1]);
        throw;
    }
    XSetErrorHandler(ignoreError);
    display_ = Poll::until([this] { return XOpenDisplay(name_.c_str()); }, 30s, 50ms);
    if (!display_)
        throw std::runtime_error("cannot connect to Xvfb on " + name_);

    const Window root = DefaultRootWindow(display_);
    if (withWindowManager) {
        windowManager_ = std::make_unique<ChildProcess>(ChildProcess::Options{
            {"openbox", "--sm-disable"}, {}, ChildProcess::environmentWith({"DISPLAY=" + name_}), {}, {}});
        // openbox announces itself on the root window before it has finished starting, and a window
        // mapped in between may be left unmapped; so wait until a window of our own gets mapped.
        const bool managing = Poll::until([&] {
            return cardinalProperty(display_, root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).has_value();
        }, 30s, 20ms);
        if (!managing || !windowManagerMaps())
            throw std::runtime_error("openbox did not take the screen");
    }
    XSetWindowBackground(display_, root, Desktop);
    XClearWindow(display_, root);
    XSync(display_, False);
}

XServer::~XServer()
{
    if (display_)
        XCloseDisplay(display_);
    if (windowManager_)
        windowManager_->stop(SIGTERM);
    if (xvfb_)
        xvfb_->stop(SIGTERM);
}

bool XServer::windowManagerMaps() const
{
    const Window w = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 10, 10, 0, 0, 0);
    auto lastMap = std::chrono::steady_clock::now() - 1h;
    const bool mapped = Poll::until([&] {
        if (std::chrono::steady_clock::now() - lastMap > 1s) {
            XMapWindow(display_, w);
            XSync(display_, False);
            lastMap = std::chrono::steady_clock::now();
        }
        XWindowAttributes attributes;
        return XGetWindowAttributes(display_, w, &attributes) && attributes.map_state == IsViewable;
    }, 30s, 20ms);
    XDestroyWindow(display_, w);
    XSync(display_, False);
    return mapped;
}

std::optional<ClientWindow> XServer::describe(Window id, Window frame) const
{
    const auto pid = cardinalProperty(display_, id, "_NET_WM_PID", XA_CARDINAL);
    if (!pid)
        return std::nullopt;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display_, id, &attributes))
        return std::nullopt;
    ClientWindow w;
    w.id = id;
    w.frame = frame;
    w.pid = static_cast<pid_t>(*pid);
    w.name = windowName(display_, id);
    w.viewable = attributes.map_state == IsViewable;
    w.width = attributes.width;
    w.height = attributes.height;
    Window child;
    if (!XTranslateCoordinates(display_, id, DefaultRootWindow(display_), 0, 0, &w.x, &w.y, &child))
        return std::nullopt;
    return w;
}

void XServer::collect(Window parent, Window frame, std::vector<ClientWindow>& found) const
{
    Window root, parentOfParent;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display_, parent, &root, &parentOfParent, &children, &count))
        return;
    for (unsigned i = 0; i < count; ++i) {
        const Window top = parent == root ? children[i] : frame;
        if (auto w = describe(children[i], top))
            found.push_back(*w);
        else
            collect(children[i], top, found);
    }
    if (children)
        XFree(children);
}

std::vector<ClientWindow> XServer::clientWindows() const
{
    std::vector<ClientWindow> found;
    collect(DefaultRootWindow(display_), 0, found);
    return found;
}

std::optional<ClientWindow> XServer::window(Window id) const
{
    for (const auto& w : clientWindows())
        if (w.id == id)
            return w;
    return std::nullopt;
}

std::optional<ClientWindow> XServer::findWindow(pid_t pid,
                                                const std::function<bool(const ClientWindow&)>& filter) const
{
    for (const auto& w : clientWindows())
        if (w.pid == pid && w.viewable && filter(w))
            return w;
    return std::nullopt;
}

Screenshot XServer::screenshot() const
{
    XImage* image = XGetImage(display_, DefaultRootWindow(display_), 0, 0, ScreenWidth, ScreenHeight,
                              AllPlanes, ZPixmap);
    if (!image)
        throw std::runtime_error("cannot read the screen");
    std::vector<std::uint32_t> pixels;
    pixels.reserve(ScreenWidth * ScreenHeight);
    for (int y = 0; y < ScreenHeight; ++y)
        for (int x = 0; x < ScreenWidth; ++x)
            pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y) & 0xFFFFFF));
    XDestroyImage(image);
    return Screenshot(ScreenWidth, ScreenHeight, std::move(pixels));
}

std::vector<XRectangle> XServer::boundingShape(Window id) const
{
    int count = 0, ordering = 0;
    XRectangle* rects = XShapeGetRectangles(display_, id, ShapeBounding, &count, &ordering);
    std::vector<XRectangle> result(rects, rects + (rects ? count : 0));
    if (rects)
        XFree(rects);
    return result;
}

bool XServer::isShaped(Window id) const
{
    Bool bounding = False, clip = False;
    int xb, yb, xc, yc;
    unsigned wb, hb, wc, hc;
    return XShapeQueryExtents(display_, id, &bounding, &xb, &yb, &wb, &hb, &clip, &xc, &yc, &wc, &hc)
        && bounding;
}

bool XServer::pingClient(Window id, std::chrono::milliseconds timeout) const
{
    const Window root = DefaultRootWindow(display_);
    const Atom protocols = XInternAtom(display_, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display_, "_NET_WM_PING", False);
    const long stamp = ++pings_;
    // The answer goes to the root window for whoever listens there (Qt sends it to structure
    // listeners, the window manager convention to substructure ones).
    XSelectInput(display_, root, StructureNotifyMask | SubstructureNotifyMask);
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = id;
    e.xclient.message_type = protocols;
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(ping);
    e.xclient.data.l[1] = stamp;
    e.xclient.data.l[2] = static_cast<long>(id);
    XSendEvent(display_, id, False, NoEventMask, &e);
    XFlush(display_);
    const bool answered = Poll::until([&] {
        bool found = false;
        while (XPending(display_)) {
            XEvent reply;
            XNextEvent(display_, &reply);
            found = found || (reply.type == ClientMessage && reply.xclient.message_type == protocols &&
                              static_cast<Atom>(reply.xclient.data.l[0]) == ping && reply.xclient.data.l[1] == stamp);
        }
        return found;
    }, timeout, 5ms);
    XSelectInput(display_, root, NoEventMask);
    XSync(display_, True);
    return answered;
}

bool XServer::syncWindowManager(std::chrono::milliseconds timeout) const
{
    const Window root = DefaultRootWindow(display_);
    const Window w = XCreateSimpleWindow(display_, root, 0, 0, 10, 10, 0, 0, 0);
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(display_, "_NET_REQUEST_FRAME_EXTENTS", False);
    e.xclient.format = 32;
    XSendEvent(display_, root, False, SubstructureNotifyMask | SubstructureRedirectMask, &e);
    XFlush(display_);
    const Atom extents = XInternAtom(display_, "_NET_FRAME_EXTENTS", False);
    const bool answered = Poll::until([&] {
        Atom type;
        int format;
        unsigned long count, after;
        unsigned char* data = nullptr;
        const bool present = XGetWindowProperty(display_, w, extents, 0, 4, False, XA_CARDINAL, &type,
                                                &format, &count, &after, &data) == Success && data && count == 4;
        if (data)
            XFree(data);
        return present;
    }, timeout, 5ms);
    XDestroyWindow(display_, w);
    XSync(display_, False);
    return answered;
}
