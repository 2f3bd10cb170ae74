// The pictures that are mostly lettering: the title logo, the two headings and the instructions.
#pragma once
#include <QImage>

class FontSet;

class LettersPainter {
public:
    explicit LettersPainter(const FontSet& fonts) : fonts_(fonts) {}

    // 153 x 57: "Tavlo" in fiery letters on a dark plate.
    QImage logo() const;
    // 83 x 37: the best score's heading in golden letters on a dark ground; its lowest rows are left
    // for the score drawn over them.
    QImage best() const;
    // 120 x 30: the victory heading in glowing red-orange capitals on black.
    QImage victory() const;
    // 260 x 260: how to play, in Czech and, under a dashed line, in English; white on black, with the
    // close button's corner left empty. Throws std::runtime_error if the text does not fit.
    QImage instructions() const;

private:
    const FontSet& fonts_;
};
