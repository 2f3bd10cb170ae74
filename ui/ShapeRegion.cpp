// Reading the stored shape, checked whole before anything is used.
#include "ShapeRegion.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace {

constexpr std::uint32_t HeaderSize = 32;
constexpr std::uint32_t RectanglesType = 1;
constexpr std::uint32_t RectSize = 16;

std::uint32_t u32At(const QByteArray& bytes, qsizetype at)
{
    std::uint8_t b[4];
    std::memcpy(b, bytes.constData() + at, 4);
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
           std::uint32_t(b[3]) << 24;
}

std::int32_t i32At(const QByteArray& bytes, qsizetype at)
{
    return static_cast<std::int32_t>(u32At(bytes, at));
}

[[noreturn]] void damaged()
{
    throw std::runtime_error("The window shape data is damaged");
}

}  // namespace

std::optional<std::vector<QRect>> ShapeRegion::parse(const QByteArray& stored)
{
    if (stored.size() < 4)
        damaged();
    const std::uint64_t length = u32At(stored, 0);
    if (length == 0)
        return std::nullopt;
    if (length < HeaderSize || length > std::uint64_t(stored.size() - 4))
        damaged();
    const qsizetype header = 4;
    const std::uint32_t count = u32At(stored, header + 8);
    if (u32At(stored, header) != HeaderSize || u32At(stored, header + 4) != RectanglesType ||
        std::uint64_t(count) * RectSize > length - HeaderSize)
        damaged();
    std::vector<QRect> rects;
    rects.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const qsizetype at = header + HeaderSize + qsizetype(i) * RectSize;
        const std::int32_t left = i32At(stored, at);
        const std::int32_t top = i32At(stored, at + 4);
        const std::int32_t right = i32At(stored, at + 8);
        const std::int32_t bottom = i32At(stored, at + 12);
        if (right < left || bottom < top)
            damaged();
        if (right == left || bottom == top)
            continue;  // an empty rectangle adds nothing to the union
        rects.push_back(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
    }
    return rects;
}

QRegion ShapeRegion::toRegion(const std::vector<QRect>& rects)
{
    QRegion region;
    for (const QRect& r : rects)
        region += r;
    return region;
}
