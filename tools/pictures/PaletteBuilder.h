// A 256-colour palette for one small picture, by median cut, and the nearest entry for a colour.
#pragma once
#include <QColor>
#include <array>
#include <vector>

class PaletteBuilder {
public:
    explicit PaletteBuilder(std::vector<QRgb> colours);

    const std::array<QRgb, 256>& colours() const { return palette_; }
    int index(QRgb colour) const;

private:
    std::array<QRgb, 256> palette_{};
    int used_ = 0;
};
