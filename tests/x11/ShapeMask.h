// A window's shape as a grid of pixels, so that two shapes compare by the pixels they cover
// whatever rectangles describe them. Everything outside width x height is dropped, as the X server
// draws and hit-tests a window only inside its own rectangle.
#pragma once
#include <filesystem>
#include <string>
#include <vector>
#include <X11/Xlib.h>

class ShapeMask {
public:
    ShapeMask(int width, int height);

    // The union of X rectangles.
    static ShapeMask fromRectangles(int width, int height, const std::vector<XRectangle>& rects);
    // The union of the rectangles of a stored region file: a 32-bit length N, then N bytes of
    // RGNDATA (32-byte header with the rectangle count at byte 8, then left, top, right, bottom as
    // signed 32-bit values); N = 0 means no shape, the whole rectangle. All little-endian.
    static ShapeMask fromRegionFile(int width, int height, const std::filesystem::path& file);

    void add(int left, int top, int right, int bottom);   // right and bottom exclusive
    bool covers(int x, int y) const;
    int count() const;
    // Empty when equal, else the first rows that differ, written for a failure message.
    std::string differences(const ShapeMask& other) const;

private:
    int width_;
    int height_;
    std::vector<bool> covered_;
};
