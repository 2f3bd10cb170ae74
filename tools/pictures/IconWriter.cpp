// ICO layout: a 6-byte directory, 16 bytes per entry, then per image a 40-byte bitmap header of
// twice the height, the palette (8-bit only), the colour rows and the AND mask rows, bottom row first.
#include "IconWriter.h"

#include "LittleEndian.h"

#include "PaletteBuilder.h"

#include <cstdint>

namespace {

constexpr int DirectorySize = 6;
constexpr int EntrySize = 16;
constexpr int InfoHeaderSize = 40;

int padded(int bytes) { return (bytes + 3) & ~3; }

bool transparent(QRgb p) { return qAlpha(p) < 128; }

// The opaque colour of a pixel: transparent ones are stored black, so the mask alone decides.
QRgb opaque(QRgb p)
{
    if (transparent(p))
        return qRgb(0, 0, 0);
    const QColor c = QColor::fromRgba(p);
    return qRgb(c.red(), c.green(), c.blue());
}

QByteArray image(const IconWriter::Entry& entry)
{
    const QImage picture = entry.picture.convertToFormat(QImage::Format_ARGB32);
    const int w = picture.width();
    const int h = picture.height();
    const int colourRow = padded(w * entry.bitsPerPixel / 8);
    const int maskRow = padded((w + 7) / 8);
    QByteArray out;
    put32(out, InfoHeaderSize);
    put32(out, static_cast<std::uint32_t>(w));
    put32(out, static_cast<std::uint32_t>(2 * h));  // colour rows and mask rows together
    put16(out, 1);
    put16(out, static_cast<std::uint16_t>(entry.bitsPerPixel));
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>((colourRow + maskRow) * h));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);

    std::vector<QRgb> colours;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            colours.push_back(opaque(picture.pixel(x, y)));

    if (entry.bitsPerPixel == 8) {
        const PaletteBuilder palette(colours);
        for (QRgb c : palette.colours()) {
            out.append(static_cast<char>(qBlue(c)));
            out.append(static_cast<char>(qGreen(c)));
            out.append(static_cast<char>(qRed(c)));
            out.append('\0');
        }
        for (int y = h - 1; y >= 0; --y) {
            for (int x = 0; x < w; ++x)
                out.append(static_cast<char>(palette.index(colours[static_cast<size_t>(y * w + x)])));
            out.append(QByteArray(colourRow - w, '\0'));
        }
    } else {
        for (int y = h - 1; y >= 0; --y) {
            for (int x = 0; x < w; ++x) {
                const QRgb c = colours[static_cast<size_t>(y * w + x)];
                out.append(static_cast<char>(qBlue(c)));
                out.append(static_cast<char>(qGreen(c)));
                out.append(static_cast<char>(qRed(c)));
            }
            out.append(QByteArray(colourRow - w * 3, '\0'));
        }
    }

    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < w; ++x)
            if (transparent(picture.pixel(x, y)))
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

}  // namespace

QByteArray IconWriter::write(const std::vector<Entry>& entries)
{
    std::vector<QByteArray> images;
    for (const Entry& e : entries)
        images.push_back(image(e));

    QByteArray out;
    put16(out, 0);
    put16(out, 1);  // icon, not cursor
    put16(out, static_cast<std::uint16_t>(entries.size()));
    auto offset = static_cast<std::uint32_t>(DirectorySize + EntrySize * entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const QImage& p = entries[i].picture;
        out.append(static_cast<char>(p.width() & 0xFF));  // 256 is stored as 0
        out.append(static_cast<char>(p.height() & 0xFF));
        out.append('\0');  // colour count: 0 for 256 colours and more
        out.append('\0');
        put16(out, 1);
        put16(out, static_cast<std::uint16_t>(entries[i].bitsPerPixel));
        put32(out, static_cast<std::uint32_t>(images[i].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const QByteArray& img : images)
        out.append(img);
    return out;
}
