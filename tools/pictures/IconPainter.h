// The application's picture: a small copy of the fiery skin with orange lettering across it.
#pragma once
#include <QImage>

class FontSet;

class IconPainter {
public:
    IconPainter(const FontSet& fonts, const QImage& skin);

    // ARGB, `size` square, transparent outside the disc. Smaller sizes are reduced from the largest
    // so every size shows the same picture.
    QImage paint(int size) const;

private:
    QImage large_;  // the largest size, painted once
};
