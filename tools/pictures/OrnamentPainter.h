// The pictures around the board that carry no lettering: the pipe, the counter plate and the
// preview frame.
#pragma once
#include <QImage>

class OrnamentPainter {
public:
    // 50 x 51: a bent grey pipe with blue flanges on a pure lime ground, from the preview frame's
    // right side (its left end) down to the board's top edge (its bottom end).
    static QImage pipe();
    // 56 x 52: a teal rounded plate with a darker edge on pure black corners; nothing else is pure black.
    static QImage counter();
    // 100 x 100: a dark grey textured square with a thin lighter border.
    static QImage frame();
};
