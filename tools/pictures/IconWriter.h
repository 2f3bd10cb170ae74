// The application icon file: several sizes of one picture, each with a 1-bit transparency mask.
#pragma once
#include <QByteArray>
#include <QImage>
#include <vector>

class IconWriter {
public:
    struct Entry {
        QImage picture;  // ARGB; alpha below one half is transparent
        int bitsPerPixel;  // 8 (with a 256-colour palette made for the picture) or 24
    };

    static QByteArray write(const std::vector<Entry>& entries);
};
