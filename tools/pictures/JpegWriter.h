// Baseline JFIF files with three 8-bit components and no chroma subsampling, through libjpeg.
#pragma once
#include <QByteArray>
#include <QImage>

class JpegWriter {
public:
    // Throws std::runtime_error when libjpeg reports an error.
    static QByteArray encode(const QImage& image, int quality);
};
