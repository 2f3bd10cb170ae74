// The harness's test window (see ProbeWindow.h), drawn with plain Xlib so that checking the harness
// needs nothing of the game. With "--dlopen NAME" it only reports whether the library NAME loads.
#include <cstring>
#include <dlfcn.h>
#include <unistd.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

#include "ProbeWindow.h"

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--dlopen") == 0)
        return dlopen(argv[2], RTLD_NOW) ? 0 : ProbeWindow::LoadFailed;

    Display* d = XOpenDisplay(nullptr);
    if (!d)
        return 1;
    const Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), ProbeWindow::Left, ProbeWindow::Top,
                                         ProbeWindow::Width, ProbeWindow::Height, 0, 0, ProbeWindow::Colour);
    XStoreName(d, w, ProbeWindow::Name);
    const long pid = getpid();
    XChangeProperty(d, w, XInternAtom(d, "_NET_WM_PID", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pid), 1);
    // No decorations, like the game, so the frame has the window's own size.
    const long motif[5] = {2, 0, 0, 0, 0};
    const Atom motifAtom = XInternAtom(d, "_MOTIF_WM_HINTS", False);
    XChangeProperty(d, w, motifAtom, motifAtom, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(motif), 5);
    XSizeHints hints{};
    hints.flags = USPosition | PPosition;
    hints.x = ProbeWindow::Left;
    hints.y = ProbeWindow::Top;
    XSetWMNormalHints(d, w, &hints);

    XRectangle shape[2] = {
        {ProbeWindow::Cut, 0, ProbeWindow::Width - ProbeWindow::Cut, ProbeWindow::Cut},
        {0, ProbeWindow::Cut, ProbeWindow::Width, ProbeWindow::Height - ProbeWindow::Cut},
    };
    XShapeCombineRectangles(d, w, ShapeBounding, 0, 0, shape, 2, ShapeSet, YXBanded);
    XSelectInput(d, w, ButtonReleaseMask | KeyPressMask);
    XMapWindow(d, w);
    for (;;) {
        XEvent e;
        XNextEvent(d, &e);
        if (e.type == KeyPress)
            return ProbeWindow::KeyExit;
        if (e.type == ButtonRelease)
            return ProbeWindow::ButtonBase + static_cast<int>(e.xbutton.button);
    }
}
