// Windows bitmap files in the two forms the window draws: 24-bit, and 16-bit with bit-field masks.
#pragma once
#include <QByteArray>
#include <QImage>

class BmpWriter {
public:
    // Uncompressed 24-bit, bottom row first, rows padded to four bytes.
    static QByteArray rgb24(const QImage& image);
    // 16 bits per pixel, compression 3 with masks 0x7C00/0x03E0/0x001F (5 bits a channel): each
    // channel keeps its top five bits, so a picture already reduced to those levels is stored exactly.
    static QByteArray rgb555(const QImage& image);
};
