// A window's shape as a grid of pixels, so that two shapes compare by the pixels they cover
// whatever rectangles describe them. Everything outside width x height is dropped, as the X server
// draws and hit-tests a window only inside its own rectangle.
#pragma once
#include <string>
#include <vector>
#include <X11/Xlib.h>

class ShapeMask {
public:
    ShapeMask(int width, int height);

    // The union of X rectangles.
    static ShapeMask fromRectangles(int width, int height, const std::vector<XRectangle>& rects);

    void add(int left, int top, int right, int bottom);   // right and bottom exclusive
    bool covers(int x, int y) const;
    // Empty when equal, else the first rows that differ, written for a failure message.
    std::string differences(const ShapeMask& other) const;

private:
    int width_;
    int height_;
    std::vector<bool> covered_;
};
