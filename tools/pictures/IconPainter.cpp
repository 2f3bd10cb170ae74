// The skin's lime outside becomes transparent before it is reduced, so the disc's edge blends
// into transparency instead of green.
#include "IconPainter.h"

#include "FontSet.h"
#include "PictureGeometry.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

QImage largest(const FontSet& fonts, const QImage& skin)
{
    const int size = PictureGeometry::DesktopIcon;
    QImage disc = skin.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < disc.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(disc.scanLine(y));
        for (int x = 0; x < disc.width(); ++x)
            if (row[x] == PictureGeometry::Lime)
                row[x] = 0;
    }
    QImage icon = disc.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                      .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath letters;
    const QFont font = fonts.sans(92, true);
    letters.addText(0, 0, font, QStringLiteral("Tavlo"));
    const QRectF bounds = letters.boundingRect();
    // Across the disc, a little wider than its middle third.
    const double scale = size * 0.84 / bounds.width();
    QTransform place;
    place.translate(size / 2.0, size / 2.0);
    place.scale(scale, scale);
    place.translate(-bounds.center().x(), -bounds.center().y());
    letters = place.map(letters);

    // A dark band behind the letters keeps them readable over the busy fire at the smallest sizes.
    const QRectF band = letters.boundingRect().adjusted(-size, -size * 0.09, size, size * 0.09);
    QLinearGradient shade(0, band.top(), 0, band.bottom());
    shade.setColorAt(0.0, QColor(0, 0, 0, 0));
    shade.setColorAt(0.25, QColor(0, 0, 0, 190));
    shade.setColorAt(0.75, QColor(0, 0, 0, 190));
    shade.setColorAt(1.0, QColor(0, 0, 0, 0));
    QPainterPath outline;
    outline.addEllipse(QRectF(0, 0, size, size));
    p.setClipPath(outline);
    p.fillRect(band, shade);
    p.setClipping(false);

    p.setPen(QPen(QColor(30, 4, 0), size / 22.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(letters);
    QLinearGradient fill(0, letters.boundingRect().top(), 0, letters.boundingRect().bottom());
    fill.setColorAt(0.0, QColor(255, 214, 90));
    fill.setColorAt(0.5, QColor(255, 150, 20));
    fill.setColorAt(1.0, QColor(244, 100, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(letters);
    return icon;
}

}  // namespace

IconPainter::IconPainter(const FontSet& fonts, const QImage& skin) : large_(largest(fonts, skin)) {}

QImage IconPainter::paint(int size) const
{
    if (size == large_.width())
        return large_.convertToFormat(QImage::Format_ARGB32);
    return large_.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}
