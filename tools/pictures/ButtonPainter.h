// The picture buttons: yellow buttons with red capitals, and the small close and minimise buttons.
#pragma once
#include <QImage>
#include <QString>

class FontSet;

class ButtonPainter {
public:
    explicit ButtonPainter(const FontSet& fonts) : fonts_(fonts) {}

    // 82 x 28. With `exitCorner`, the bottom-left corner is a pure black triangle that the window
    // leaves see-through; then no other pixel is pure black.
    QImage button(const QString& caption, bool exitCorner) const;
    // 20 x 20: a red X on a white square with a black edge.
    QImage close() const;
    // 20 x 20: a short red bar on a white rounded plate with a black edge, on black corners.
    QImage minimise() const;

private:
    const FontSet& fonts_;
};
