// The pipe is shaded as a lit cylinder pixel by pixel along its centre line, then cut out against
// the lime at half coverage, so no lime-tinted fringe is ever drawn on the skin.
#include "OrnamentPainter.h"

#include "Lighting.h"
#include "PictureGeometry.h"
#include "ValueNoise.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::uint32_t FrameSeed = 0x5EED0F7A;
constexpr int Samples = 4;

// The pipe's centre line: level from the left edge at PipeY, a quarter bend of BendRadius, then
// straight down at PipeX to the bottom edge.
constexpr double PipeY = 15.5;
constexpr double PipeX = 33.5;
constexpr double BendRadius = 13.0;
constexpr double PipeRadius = 6.0;
constexpr double FlangeRadius = 8.5;
constexpr double FlangeLength = 4.0;
constexpr double BottomFlangeTop = 44.0;
constexpr double BottomFlangeBottom = 49.0;

struct Surface {
    double offset;  // signed distance from the centre line, across the pipe
    double nx, ny;  // direction of growing offset
    bool flange;
};

// Where (u, v) lies relative to the pipe's centre line.
Surface pipeSurface(double u, double v)
{
    const double bendX = PipeX - BendRadius;
    const double bendY = PipeY + BendRadius;
    if (u <= bendX) {
        const bool flange = u < FlangeLength;
        return {v - PipeY, 0, 1, flange};
    }
    if (v >= bendY) {
        const bool flange = v >= BottomFlangeTop && v < BottomFlangeBottom;
        return {u - PipeX, 1, 0, flange};
    }
    const double dx = u - bendX;
    const double dy = v - bendY;
    const double r = std::sqrt(dx * dx + dy * dy);
    return {r - BendRadius, dx / r, dy / r, false};
}

// A lit cylinder.
std::array<double, 3> cylinder(const Surface& s, double radius, const std::array<double, 3>& base)
{
    const double t = std::clamp(s.offset / radius, -1.0, 1.0);
    const double nz = std::sqrt(1.0 - t * t);
    const double nx = t * s.nx;
    const double ny = t * s.ny;
    const double diffuse = std::max(0.0, Lighting::facing(nx, ny, nz));
    const double specular = std::pow(std::max(0.0, Lighting::reflected(nx, ny, nz)), 18.0);
    std::array<double, 3> c{};
    for (size_t i = 0; i < 3; ++i)
        c[i] = std::min(255.0, base[i] * (0.25 + 0.85 * diffuse) + 160.0 * specular);
    // A dark line along both sides keeps the cut-out outline crisp on the fire.
    if (std::abs(t) > 0.86)
        for (double& v : c)
            v *= 0.45;
    return c;
}

}  // namespace

QImage OrnamentPainter::pipe()
{
    const QSize size = PictureGeometry::Pipe;
    const std::array<double, 3> steel{178, 182, 188};
    const std::array<double, 3> blue{52, 104, 226};
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            std::array<double, 3> sum{0, 0, 0};
            int covered = 0;
            for (int sy = 0; sy < Samples; ++sy) {
                for (int sx = 0; sx < Samples; ++sx) {
                    const Surface s = pipeSurface(x + (sx + 0.5) / Samples, y + (sy + 0.5) / Samples);
                    const double radius = s.flange ? FlangeRadius : PipeRadius;
                    if (std::abs(s.offset) > radius)
                        continue;
                    const auto c = cylinder(s, radius, s.flange ? blue : steel);
                    for (size_t i = 0; i < 3; ++i)
                        sum[i] += c[i];
                    ++covered;
                }
            }
            if (covered * 2 < Samples * Samples) {
                image.setPixel(x, y, PictureGeometry::Lime);
                continue;
            }
            auto channel = [&](size_t i) { return static_cast<int>(std::lround(sum[i] / covered)); };
            QRgb c = qRgb(channel(0), channel(1), channel(2));
            if (c == PictureGeometry::Lime)
                c = qRgb(1, 255, 0);
            image.setPixel(x, y, c);
        }
    }
    return image;
}

QImage OrnamentPainter::counter()
{
    const QSize size = PictureGeometry::Counter;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plate(0, 0, size.width(), size.height());
    const double radius = PictureGeometry::CounterRadius;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(12, 82, 92));
    p.drawRoundedRect(plate, radius, radius);
    QLinearGradient face(0, 0, 0, size.height());
    face.setColorAt(0.0, QColor(56, 176, 186));
    face.setColorAt(0.5, QColor(28, 138, 150));
    face.setColorAt(1.0, QColor(18, 108, 120));
    p.setBrush(face);
    p.drawRoundedRect(plate.adjusted(2.5, 2.5, -2.5, -2.5), radius - 2.5, radius - 2.5);
    // A soft highlight along the top inner edge.
    p.setPen(QPen(QColor(150, 224, 228, 150), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plate.adjusted(3.5, 3.5, -3.5, -3.5), radius - 3.5, radius - 3.5);
    p.end();

    // Antialiased edge pixels fade towards the corners' black; keep them off the see-through colour.
    QPainterPath shape;
    shape.addRoundedRect(plate, radius, radius);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (image.pixel(x, y) == PictureGeometry::Black && shape.contains(QPointF(x + 0.5, y + 0.5)))
                image.setPixel(x, y, qRgb(0, 8, 10));
    return image;
}

QImage OrnamentPainter::frame()
{
    const QSize size = PictureGeometry::Frame;
    const ValueNoise noise(FrameSeed);
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            // Brushed metal: fine streaks across, and a slow cloud over them.
            const double streak = noise.fractal(x / 22.0, y / 1.6, 3);
            const double cloud = noise.fractal(x / 30.0 + 40.0, y / 30.0 + 40.0, 3);
            const int grey = static_cast<int>(std::lround(42.0 + 30.0 * streak + 18.0 * cloud));
            image.setPixel(x, y, qRgb(grey, grey, grey + 3));
        }
    }
    QPainter p(&image);
    const int w = size.width();
    const int h = size.height();
    p.setPen(QColor(168, 168, 172));
    p.drawRect(0, 0, w - 1, h - 1);
    p.setPen(QColor(96, 96, 100));
    p.drawLine(1, 1, w - 2, 1);
    p.drawLine(1, 1, 1, h - 2);
    p.setPen(QColor(22, 22, 24));
    p.drawLine(2, h - 2, w - 2, h - 2);
    p.drawLine(w - 2, 2, w - 2, h - 2);
    return image;
}
