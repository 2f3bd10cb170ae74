// Writes BMP headers field by field, little-endian, so the files do not depend on Qt's BMP writer.
#include "BmpWriter.h"

#include "LittleEndian.h"

#include <cstdint>

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr int MaskBytes = 12;
constexpr std::uint32_t PixelsPerMetre = 2833;  // 72 dots per inch

QByteArray headers(const QImage& image, int bitsPerPixel, int rowBytes, bool bitFields)
{
    const int extra = bitFields ? MaskBytes : 0;
    const std::uint32_t offset = FileHeaderSize + InfoHeaderSize + extra;
    const std::uint32_t imageSize = static_cast<std::uint32_t>(rowBytes * image.height());
    QByteArray out;
    out.append("BM");
    put32(out, offset + imageSize);
    put32(out, 0);  // two reserved words
    put32(out, offset);
    put32(out, InfoHeaderSize);
    put32(out, static_cast<std::uint32_t>(image.width()));
    put32(out, static_cast<std::uint32_t>(image.height()));  // positive: bottom row first
    put16(out, 1);
    put16(out, static_cast<std::uint16_t>(bitsPerPixel));
    put32(out, bitFields ? 3 : 0);
    put32(out, imageSize);
    put32(out, PixelsPerMetre);
    put32(out, PixelsPerMetre);
    put32(out, 0);  // no colour table
    put32(out, 0);
    if (bitFields) {
        put32(out, 0x7C00);
        put32(out, 0x03E0);
        put32(out, 0x001F);
    }
    return out;
}

}  // namespace

QByteArray BmpWriter::rgb24(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int rowBytes = (image.width() * 3 + 3) & ~3;
    QByteArray out = headers(image, 24, rowBytes, false);
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            out.append(static_cast<char>(qBlue(row[x])));
            out.append(static_cast<char>(qGreen(row[x])));
            out.append(static_cast<char>(qRed(row[x])));
        }
        out.append(QByteArray(rowBytes - image.width() * 3, '\0'));
    }
    return out;
}

QByteArray BmpWriter::rgb555(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int rowBytes = (image.width() * 2 + 3) & ~3;
    QByteArray out = headers(image, 16, rowBytes, true);
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = row[x];
            put16(out, static_cast<std::uint16_t>(((qRed(p) >> 3) << 10) | ((qGreen(p) >> 3) << 5) |
                                                  (qBlue(p) >> 3)));
        }
        out.append(QByteArray(rowBytes - image.width() * 2, '\0'));
    }
    return out;
}
