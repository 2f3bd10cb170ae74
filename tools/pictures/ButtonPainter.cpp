// Drawn with QPainter, antialiased; the see-through corner of the exit button is set pixel by pixel
// afterwards so it is exactly the colour the window keys out.
#include "ButtonPainter.h"

#include "FontSet.h"
#include "PictureGeometry.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <stdexcept>

namespace {

const QColor ButtonTop(255, 241, 120);
const QColor ButtonBottom(243, 188, 28);
const QColor ButtonEdge(138, 74, 6);
const QColor ButtonLight(255, 252, 214);
const QColor ButtonShadow(196, 128, 8);
const QColor Lettering(206, 16, 16);
const QColor LetteringEmboss(255, 250, 200);
const QColor PlateRed(214, 22, 22);

// One size for every caption, so the three buttons read as a set; the longest still fits.
constexpr int CaptionSize = 12;
constexpr int CaptionMargin = 5;

// Pixels of the exit button's see-through corner: rows counted from the bottom, one more pixel wide
// each row up to the corner's height.
bool inExitCorner(int x, int y, int height)
{
    const int fromBottom = height - 1 - y;
    return fromBottom < PictureGeometry::ExitCornerHeight &&
           x < PictureGeometry::ExitCornerHeight - fromBottom;
}

// The small buttons' white plate, shading to light grey at the bottom.
QLinearGradient whitePlate(int height)
{
    QLinearGradient plate(0, 0, 0, height);
    plate.setColorAt(0.0, QColor(255, 255, 255));
    plate.setColorAt(1.0, QColor(214, 214, 214));
    return plate;
}

}  // namespace

QImage ButtonPainter::button(const QString& caption, bool exitCorner) const
{
    const QSize size = PictureGeometry::Button;
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient body(0, 0, 0, size.height());
    body.setColorAt(0.0, ButtonTop);
    body.setColorAt(0.45, ButtonTop.darker(104));
    body.setColorAt(0.55, ButtonBottom.lighter(106));
    body.setColorAt(1.0, ButtonBottom);
    p.fillRect(image.rect(), body);

    // A raised bevel: light top and left, shadowed bottom and right, inside a dark edge line.
    const int w = size.width();
    const int h = size.height();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(ButtonLight);
    p.drawLine(1, 1, w - 2, 1);
    p.drawLine(1, 1, 1, h - 2);
    p.setPen(ButtonShadow);
    p.drawLine(2, h - 2, w - 2, h - 2);
    p.drawLine(w - 2, 2, w - 2, h - 2);
    p.setPen(ButtonEdge);
    p.drawRect(0, 0, w - 1, h - 1);
    p.setRenderHint(QPainter::Antialiasing);

    const QFont font = fonts_.sans(CaptionSize, true);
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(caption) > w - 2 * CaptionMargin)
        throw std::runtime_error("button caption too long: " + caption.toStdString());
    p.setFont(font);
    const int textX = (w - metrics.horizontalAdvance(caption)) / 2;
    // Capitals are centred by their own height, not by the font's ascent and descent.
    const int baseline = (h + metrics.capHeight()) / 2;
    p.setPen(LetteringEmboss);
    p.drawText(textX, baseline + 1, caption);
    p.setPen(Lettering);
    p.drawText(textX, baseline, caption);
    p.end();

    if (exitCorner) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (inExitCorner(x, y, h))
                    image.setPixel(x, y, PictureGeometry::Black);
                else if (inExitCorner(x - 1, y, h) || inExitCorner(x, y + 1, h))
                    image.setPixel(x, y, ButtonEdge.rgb());  // the edge line follows the cut
    }
    return image;
}

QImage ButtonPainter::close() const
{
    const QSize size = PictureGeometry::SmallButton;
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(image.rect(), whitePlate(size.height()));
    p.setPen(Qt::black);
    p.drawRect(0, 0, size.width() - 1, size.height() - 1);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(PlateRed, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.5, 5.5), QPointF(14.5, 14.5));
    p.drawLine(QPointF(14.5, 5.5), QPointF(5.5, 14.5));
    return image;
}

QImage ButtonPainter::minimise() const
{
    const QSize size = PictureGeometry::SmallButton;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(whitePlate(size.height()));
    p.setPen(QPen(Qt::black, 1.0));
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0), 4.0, 4.0);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(6, 12, 8, 3), PlateRed);
    return image;
}
