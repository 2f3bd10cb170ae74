// Shapes as pixel grids.
#include "ShapeMask.h"

#include <algorithm>

ShapeMask::ShapeMask(int width, int height)
    : width_(width), height_(height), covered_(static_cast<std::size_t>(width * height), false)
{
}

ShapeMask ShapeMask::fromRectangles(int width, int height, const std::vector<XRectangle>& rects)
{
    ShapeMask mask(width, height);
    for (const auto& r : rects)
        mask.add(r.x, r.y, r.x + r.width, r.y + r.height);
    return mask;
}

void ShapeMask::add(int left, int top, int right, int bottom)
{
    for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y)
        for (int x = std::max(left, 0); x < std::min(right, width_); ++x)
            covered_[static_cast<std::size_t>(y * width_ + x)] = true;
}

bool ShapeMask::covers(int x, int y) const
{
    return x >= 0 && y >= 0 && x < width_ && y < height_ && covered_[static_cast<std::size_t>(y * width_ + x)];
}

std::string ShapeMask::differences(const ShapeMask& other) const
{
    std::string text;
    int rows = 0;
    for (int y = 0; y < std::max(height_, other.height_) && rows < 5; ++y) {
        int first = -1, last = -1;
        for (int x = 0; x < std::max(width_, other.width_); ++x)
            if (covers(x, y) != other.covers(x, y)) {
                if (first < 0)
                    first = x;
                last = x;
            }
        if (first >= 0) {
            text += "row " + std::to_string(y) + " differs in columns " + std::to_string(first) + ".." +
                std::to_string(last) + "\n";
            ++rows;
        }
    }
    return text;
}
