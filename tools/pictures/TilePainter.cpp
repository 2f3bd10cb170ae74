// Painted pixel by pixel with 4 x 4 samples each, so the ball's outline is smooth and the flat face
// keeps the tile's exact colour wherever the ball and rim leave it alone.
#include "TilePainter.h"

#include "Lighting.h"
#include "PictureGeometry.h"
#include "game/Board.h"
#include "game/TileColour.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int Samples = 4;
constexpr double Bevel = 6.0;
constexpr double BallRadius = 14.5;
constexpr double HoleRadius = 15.5;
constexpr double HoleWall = 2.5;
constexpr double HoleFaceInset = 3.0;

using Rgb = std::array<double, 3>;

Rgb mix(const Rgb& a, const Rgb& b, double t)
{
    return {a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t};
}

Rgb scale(const Rgb& a, double f) { return {a[0] * f, a[1] * f, a[2] * f}; }

Rgb colourOf(int k)
{
    const Colour c = TileColour[static_cast<size_t>(k)];
    return {double(c & 0xFF), double((c >> 8) & 0xFF), double((c >> 16) & 0xFF)};
}

// The bevel: each side a shade darker than the face, lit from the top left, outermost line darkest.
double bevelShade(double u, double v, double size)
{
    const double left = u;
    const double top = v;
    const double right = size - u;
    const double bottom = size - v;
    const double nearest = std::min({left, top, right, bottom});
    if (nearest >= Bevel)
        return 1.0;
    double shade = nearest == top ? 0.80 : nearest == left ? 0.70 : nearest == right ? 0.52 : 0.44;
    if (nearest < 1.0)
        shade *= 0.6;
    return shade;
}

// A glossy white ball lit from the top left, tinted by the face near its outline.
Rgb ball(const Rgb& face, double dx, double dy)
{
    const double nx = dx / BallRadius;
    const double ny = dy / BallRadius;
    const double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
    const double diffuse = std::max(0.0, Lighting::facing(nx, ny, nz));
    const double specular = std::pow(std::max(0.0, Lighting::reflected(nx, ny, nz)), 28.0);
    const Rgb white{250, 250, 250};
    Rgb c = scale(white, 0.62 + 0.38 * diffuse);
    c = mix(c, scale(face, 0.9), std::pow(1.0 - nz, 2.0) * 0.7);
    return mix(c, Rgb{255, 255, 255}, std::min(1.0, specular * 1.2));
}

Rgb colouredSample(const Rgb& face, double u, double v, double size)
{
    const double centre = size / 2.0;
    const double dx = u - centre;
    const double dy = v - centre;
    if (dx * dx + dy * dy <= BallRadius * BallRadius)
        return ball(face, dx, dy);
    // A soft shadow of the ball falls to the bottom right.
    const double sx = dx - 1.5;
    const double sy = dy - 2.0;
    const double shadowDistance = std::sqrt(sx * sx + sy * sy) - BallRadius;
    Rgb c = scale(face, bevelShade(u, v, size));
    if (shadowDistance < 3.0)
        c = scale(c, 1.0 - 0.35 * (1.0 - std::max(0.0, shadowDistance) / 3.0));
    return c;
}

Rgb holeSample(double u, double v, double size)
{
    const Rgb black{0, 0, 0};
    if (u < HoleFaceInset || v < HoleFaceInset || u >= size - HoleFaceInset || v >= size - HoleFaceInset)
        return black;
    const double centre = size / 2.0;
    const double dx = u - centre;
    const double dy = v - centre;
    const double r = std::sqrt(dx * dx + dy * dy);
    if (r < HoleRadius - HoleWall)
        return black;
    if (r < HoleRadius) {
        // The hollow's wall: in shadow at the top left, catching a little light at the bottom right.
        const double facing = (dx * 0.6 + dy * 0.8) / std::max(r, 1e-9);
        const double depth = (r - (HoleRadius - HoleWall)) / HoleWall;
        const double light = std::max(0.0, facing) * 46.0 * depth;
        return {light, light, light};
    }
    const double inner = std::min({u - HoleFaceInset, v - HoleFaceInset, size - HoleFaceInset - u,
                                   size - HoleFaceInset - v});
    double grey = 52.0;
    if (inner < 1.0)
        grey = (u - HoleFaceInset < 1.0 || v - HoleFaceInset < 1.0) ? 74.0 : 34.0;
    return {grey, grey, grey};
}

}  // namespace

QImage TilePainter::paint(int k)
{
    const int size = PictureGeometry::Tile.width();
    const Rgb face = colourOf(k);
    QImage tile(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Rgb sum{0, 0, 0};
            for (int sy = 0; sy < Samples; ++sy) {
                for (int sx = 0; sx < Samples; ++sx) {
                    const double u = x + (sx + 0.5) / Samples;
                    const double v = y + (sy + 0.5) / Samples;
                    const Rgb c = k == HoleTile ? holeSample(u, v, size) : colouredSample(face, u, v, size);
                    for (int i = 0; i < 3; ++i)
                        sum[static_cast<size_t>(i)] += c[static_cast<size_t>(i)];
                }
            }
            auto channel = [&sum](int i) {
                return std::clamp(static_cast<int>(std::lround(sum[static_cast<size_t>(i)] / (Samples * Samples))), 0, 255);
            };
            tile.setPixel(x, y, qRgb(channel(0), channel(1), channel(2)));
        }
    }
    return tile;
}
