// Decodes a baseline JFIF JPEG held in memory with libjpeg.
#pragma once
#include <QByteArray>
#include <QImage>

class JpegDecoder {
public:
    // The picture as 24-bit RGB, or a null image when the data is not a JPEG libjpeg can read.
    static QImage decode(const QByteArray& data);
};
