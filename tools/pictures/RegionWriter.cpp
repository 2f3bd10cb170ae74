// Bands of identical rows, one rectangle each, after a 4-byte length and the 32-byte region header.
#include "RegionWriter.h"

#include "LittleEndian.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t HeaderSize = 32;
constexpr std::uint32_t RectangleList = 1;
constexpr std::uint32_t RectangleSize = 16;

struct Band {
    std::int32_t left, top, right, bottom;
};

void putBand(QByteArray& out, const Band& b)
{
    for (std::int32_t v : {b.left, b.top, b.right, b.bottom})
        put32(out, static_cast<std::uint32_t>(v));
}

}  // namespace

QByteArray RegionWriter::fromSkin(const QImage& source, QRgb outside)
{
    const QImage skin = source.convertToFormat(QImage::Format_RGB32);
    std::vector<Band> bands;
    for (int y = 0; y < skin.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(skin.constScanLine(y));
        const auto end = row + skin.width();
        const auto inside = [outside](QRgb p) { return (p | 0xFF000000) != (outside | 0xFF000000); };
        const auto first = std::find_if(row, end, inside);
        if (first == end)
            throw std::runtime_error("skin row " + std::to_string(y) + " is empty");
        const auto afterLast = std::find_if_not(first, end, inside);
        if (std::find_if(afterLast, end, inside) != end)
            throw std::runtime_error("skin row " + std::to_string(y) + " is broken");
        const int firstColumn = static_cast<int>(first - row);
        const int lastColumn = static_cast<int>(afterLast - row) - 1;
        const int left = firstColumn + 1;
        const int right = lastColumn == skin.width() - 1 ? skin.width() + 1 : lastColumn + 1;
        if (!bands.empty() && bands.back().left == left && bands.back().right == right)
            bands.back().bottom = y + 1;
        else
            bands.push_back({left, y, right, y + 1});
    }

    Band bound = bands.front();
    for (const Band& b : bands) {
        bound.left = std::min(bound.left, b.left);
        bound.right = std::max(bound.right, b.right);
    }
    bound.bottom = bands.back().bottom;

    const auto count = static_cast<std::uint32_t>(bands.size());
    QByteArray out;
    put32(out, HeaderSize + count * RectangleSize);
    put32(out, HeaderSize);
    put32(out, RectangleList);
    put32(out, count);
    put32(out, count * RectangleSize);
    putBand(out, bound);
    for (const Band& b : bands)
        putBand(out, b);
    return out;
}
