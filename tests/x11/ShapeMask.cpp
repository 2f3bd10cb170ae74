// Shapes as pixel grids.
#include "ShapeMask.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

std::int32_t littleEndian32(const std::string& bytes, std::size_t at)
{
    if (at + 4 > bytes.size())
        throw std::runtime_error("region file ends early");
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(v);
}

}  // namespace

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

ShapeMask ShapeMask::fromRegionFile(int width, int height, const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ShapeMask mask(width, height);
    const std::int32_t length = littleEndian32(bytes, 0);
    if (length == 0) {
        mask.add(0, 0, width, height);
        return mask;
    }
    const std::size_t header = 4 + static_cast<std::size_t>(littleEndian32(bytes, 4));
    const std::int32_t count = littleEndian32(bytes, 12);
    for (std::int32_t i = 0; i < count; ++i) {
        const std::size_t at = header + 16 * static_cast<std::size_t>(i);
        mask.add(littleEndian32(bytes, at), littleEndian32(bytes, at + 4), littleEndian32(bytes, at + 8),
                 littleEndian32(bytes, at + 12));
    }
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

int ShapeMask::count() const
{
    return static_cast<int>(std::count(covered_.begin(), covered_.end(), true));
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
