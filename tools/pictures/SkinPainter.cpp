// The disc touches all four edges. Its rim is a red ring with darker edge pixels and a black line
// inside it; within it, domain-warped fractal noise through a fire palette gives flame-like clouds.
#include "SkinPainter.h"

#include "PictureGeometry.h"
#include "ValueNoise.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::uint32_t FireSeed = 0x7A51C0DE;
constexpr std::uint32_t WarpSeed = 0x0F1A3E55;

// Distances in pixels from the disc's outer edge.
constexpr double OuterEdge = 1.2;
constexpr double RingEnd = 6.6;
constexpr double InnerEdge = 7.6;
constexpr double BlackLineEnd = 9.4;

struct Rgb5 {
    int r, g, b;
};

constexpr Rgb5 RingRed{28, 9, 9};
constexpr Rgb5 EdgeRed{17, 4, 4};

struct Stop {
    double at;
    double r, g, b;
};

// Black smoke through embers to orange, yellow and a pale yellow core.
constexpr std::array<Stop, 7> FirePalette{{
    {0.00, 0, 0, 0},
    {0.30, 40, 4, 0},
    {0.46, 150, 28, 2},
    {0.60, 232, 92, 8},
    {0.74, 252, 160, 24},
    {0.88, 255, 218, 70},
    {1.00, 255, 246, 170},
}};

constexpr std::array<double, 16> Bayer4{0,  8,  2,  10, 12, 4,  14, 6,
                                        3,  11, 1,  9,  15, 7,  13, 5};

std::array<double, 3> fireColour(double f)
{
    f = std::clamp(f, 0.0, 1.0);
    for (size_t i = 1; i < FirePalette.size(); ++i) {
        const Stop& a = FirePalette[i - 1];
        const Stop& b = FirePalette[i];
        if (f <= b.at) {
            const double t = (f - a.at) / (b.at - a.at);
            return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
        }
    }
    const Stop& last = FirePalette.back();
    return {last.r, last.g, last.b};
}

int expand(int level) { return level * 8 + level / 4; }

QRgb fromLevels(Rgb5 c) { return qRgb(expand(c.r), expand(c.g), expand(c.b)); }

// Ordered dithering to 32 levels keeps the gradients of the fire free of bands.
Rgb5 dither(const std::array<double, 3>& rgb, int x, int y)
{
    const double threshold = (Bayer4[static_cast<size_t>((y & 3) * 4 + (x & 3))] + 0.5) / 16.0;
    auto level = [threshold](double v) {
        return std::clamp(static_cast<int>(std::floor(v * 31.0 / 255.0 + threshold)), 0, 31);
    };
    Rgb5 c{level(rgb[0]), level(rgb[1]), level(rgb[2])};
    if (c.r == 0 && c.g == 31 && c.b == 0)  // never lime inside the disc
        c.r = 1;
    return c;
}

// Flame-like value at a pixel: noise warped by two further noise fields, stretched upwards so the
// clouds lick like flames, then sharpened so black gaps open between them.
double fire(const ValueNoise& noise, const ValueNoise& warp, double x, double y)
{
    const double px = x / 95.0;
    const double py = y / 150.0;
    const double qx = warp.fractal(px, py, 4);
    const double qy = warp.fractal(px + 5.2, py + 1.3, 4);
    const double v = noise.fractal(px + 2.4 * qx, py + 2.4 * qy, 6);
    const double ridge = 1.0 - std::abs(2.0 * noise.fractal(px * 1.7 + 3.1 * qy, py * 0.9 + 9.7, 5) - 1.0);
    const double f = 0.72 * v + 0.38 * ridge * ridge - 0.08;
    return std::clamp((f - 0.32) * 2.1, 0.0, 1.0);
}

}  // namespace

QImage SkinPainter::paint()
{
    const int w = PictureGeometry::Skin.width();
    const int h = PictureGeometry::Skin.height();
    const double cx = w / 2.0;
    const double cy = h / 2.0;
    const double rx = w / 2.0;
    const double ry = h / 2.0;
    const ValueNoise noise(FireSeed);
    const ValueNoise warp(WarpSeed);

    QImage skin(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(skin.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            const double dy = (y + 0.5 - cy) / ry;
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d > 1.0) {
                row[x] = PictureGeometry::Lime;
                continue;
            }
            const double edge = (1.0 - d) * (rx + ry) / 2.0;  // pixels in from the outer edge
            if (edge < OuterEdge)
                row[x] = fromLevels(EdgeRed);
            else if (edge < RingEnd)
                row[x] = fromLevels(RingRed);
            else if (edge < InnerEdge)
                row[x] = fromLevels(EdgeRed);
            else if (edge < BlackLineEnd)
                row[x] = PictureGeometry::Black;
            else
                row[x] = fromLevels(dither(fireColour(fire(noise, warp, x, y)), x, y));
        }
    }
    return skin;
}
