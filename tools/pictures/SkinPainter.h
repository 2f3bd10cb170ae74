// The window's skin: a fiery disc with a red rim on a lime outside, in 5-bit-per-channel colours.
#pragma once
#include <QImage>

class SkinPainter {
public:
    // 488 x 489; every channel already holds one of the 32 levels of a 16-bit bitmap
    // (level v stored as v * 8 + v / 4), and only the outside is pure lime.
    static QImage paint();
};
