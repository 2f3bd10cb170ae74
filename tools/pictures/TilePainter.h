// The nine tile faces: a coloured face with a darker bevelled rim and a white glossy ball, and the
// hole's dark grey face with a black round hollow.
#pragma once
#include <QImage>

class TilePainter {
public:
    // Tile k (1..8) in its colour; k = 9 is the hole.
    static QImage paint(int k);
};
