// The screen's pixels at one moment, as 0xRRGGBB values.
#pragma once
#include <cstdint>
#include <vector>

class Screenshot {
public:
    Screenshot(int width, int height, std::vector<std::uint32_t> pixels)
        : width_(width), height_(height), pixels_(std::move(pixels)) {}

    int width() const { return width_; }
    int height() const { return height_; }
    std::uint32_t at(int x, int y) const { return pixels_.at(static_cast<std::size_t>(y * width_ + x)); }

private:
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};
