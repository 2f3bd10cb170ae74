// The window's shape as stored: a 4-byte length N, then N bytes of a rectangle-list region
// (32-byte header: dwSize 32, iType 1, nCount, nRgnSize, rcBound; then nCount rectangles of left,
// top, right, bottom, right and bottom exclusive). All integers little-endian. N = 0: no shape.
#pragma once
#include <QByteArray>
#include <QRect>
#include <QRegion>
#include <optional>
#include <vector>

class ShapeRegion {
public:
    // The rectangles, or none when N is 0. A damaged description fails with std::runtime_error.
    static std::optional<std::vector<QRect>> parse(const QByteArray& stored);
    // The union of the rectangles.
    static QRegion toRegion(const std::vector<QRect>& rects);
};
