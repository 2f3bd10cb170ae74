// The window shape as a length-prefixed rectangle-list region, derived from the skin picture.
#pragma once
#include <QByteArray>
#include <QImage>

class RegionWriter {
public:
    // Each row of `skin` must hold one unbroken run of pixels that are not `outside`, from column
    // first to column last. The row's span covers columns first + 1 to last (right = last + 1,
    // exclusive); where the run reaches the right edge the span is widened by one more column
    // (right = width + 1), as the window has always been shaped. Consecutive rows with the same span
    // make one rectangle. Throws std::runtime_error when a row is empty or broken.
    static QByteArray fromSkin(const QImage& skin, QRgb outside);
};
