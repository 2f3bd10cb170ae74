// Glowing letters are drawn twice: first their shape blurred into a halo, then the letters with a
// gradient fill and a dark outline.
#include "LettersPainter.h"

#include "FontSet.h"
#include "PictureGeometry.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <stdexcept>
#include <vector>

namespace {

// Three passes of a box blur approximate a Gaussian; only the alpha channel matters for a halo.
QImage blurred(const QImage& source, int radius)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width();
    const int h = image.height();
    std::vector<int> line;
    for (int pass = 0; pass < 3; ++pass) {
        for (int horizontal = 0; horizontal < 2; ++horizontal) {
            const int lines = horizontal ? h : w;
            const int length = horizontal ? w : h;
            for (int l = 0; l < lines; ++l) {
                auto at = [&](int i) -> QRgb& {
                    return horizontal ? reinterpret_cast<QRgb*>(image.scanLine(l))[i]
                                      : reinterpret_cast<QRgb*>(image.scanLine(i))[l];
                };
                for (int channel = 0; channel < 4; ++channel) {
                    const int shift = channel * 8;
                    line.assign(static_cast<size_t>(length), 0);
                    for (int i = 0; i < length; ++i)
                        line[static_cast<size_t>(i)] = static_cast<int>((at(i) >> shift) & 0xFF);
                    std::vector<int> out(static_cast<size_t>(length));
                    for (int i = 0; i < length; ++i) {
                        int sum = 0;
                        for (int k = -radius; k <= radius; ++k) {
                            const int j = i + k;
                            if (j >= 0 && j < length)
                                sum += line[static_cast<size_t>(j)];
                        }
                        out[static_cast<size_t>(i)] = sum / (2 * radius + 1);
                    }
                    for (int i = 0; i < length; ++i)
                        at(i) = (at(i) & ~(0xFFu << shift)) | (static_cast<QRgb>(out[static_cast<size_t>(i)]) << shift);
                }
            }
        }
    }
    return image;
}

// The letters centred in `box`, capitals centred by their own height.
QPainterPath centred(const QString& text, const QFont& font, const QRectF& box)
{
    QPainterPath atOrigin;
    atOrigin.addText(0, 0, font, text);
    QPainterPath path;
    path.addText(box.center() - atOrigin.boundingRect().center(), font, text);
    return path;
}

void glow(QImage& target, const QPainterPath& letters, const QColor& colour, int radius, int strength)
{
    QImage halo(target.size(), QImage::Format_ARGB32_Premultiplied);
    halo.fill(Qt::transparent);
    QPainter hp(&halo);
    hp.setRenderHint(QPainter::Antialiasing);
    hp.setPen(QPen(colour, radius * 0.8));
    hp.setBrush(colour);
    hp.drawPath(letters);
    hp.end();
    halo = blurred(halo, radius);
    QPainter p(&target);
    for (int i = 0; i < strength; ++i)
        p.drawImage(0, 0, halo);
}

// The letters filled from top to bottom through `fill`, inside a dark outline.
void letters(QImage& target, const QPainterPath& path, const QGradientStops& fill, const QColor& edge,
             double edgeWidth)
{
    QLinearGradient gradient(0, path.boundingRect().top(), 0, path.boundingRect().bottom());
    gradient.setStops(fill);
    QPainter p(&target);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawPath(path);
}

}  // namespace

QImage LettersPainter::logo() const
{
    const QSize size = PictureGeometry::Logo;
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter p(&image);
        QRadialGradient ground(size.width() / 2.0, size.height() / 2.0, size.width() / 1.6);
        ground.setColorAt(0.0, QColor(70, 14, 2));
        ground.setColorAt(0.6, QColor(26, 4, 0));
        ground.setColorAt(1.0, QColor(6, 0, 0));
        p.fillRect(image.rect(), ground);
        p.setPen(QColor(124, 30, 8));
        p.drawRect(0, 0, size.width() - 1, size.height() - 1);
        p.setPen(QColor(44, 8, 0));
        p.drawRect(1, 1, size.width() - 3, size.height() - 3);
    }
    const QPainterPath path = centred("Tavlo", fonts_.sans(44, true), QRectF(QPointF(0, 0), QSizeF(size)));
    glow(image, path, QColor(255, 110, 0, 150), 5, 2);
    letters(image, path,
            {{0.0, QColor(255, 246, 170)}, {0.35, QColor(255, 206, 60)}, {0.7, QColor(248, 124, 18)},
             {1.0, QColor(200, 40, 8)}},
            QColor(60, 8, 0), 2.5);
    return image;
}

QImage LettersPainter::best() const
{
    const QSize size = PictureGeometry::Best;
    // The score is drawn over the lowest rows; the heading keeps to the rows above it.
    constexpr int ScoreRows = 6;
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter p(&image);
        QLinearGradient ground(0, 0, 0, size.height());
        ground.setColorAt(0.0, QColor(40, 28, 14));
        ground.setColorAt(1.0, QColor(12, 8, 4));
        p.fillRect(image.rect(), ground);
        p.setPen(QColor(110, 80, 30));
        p.drawRect(0, 0, size.width() - 1, size.height() - 1);
    }
    const QPainterPath path =
        centred("BEST", fonts_.sans(22, true), QRectF(0, 0, size.width(), size.height() - ScoreRows));
    glow(image, path, QColor(255, 200, 60, 90), 3, 1);
    letters(image, path,
            {{0.0, QColor(255, 244, 176)}, {0.45, QColor(246, 200, 70)}, {0.55, QColor(214, 154, 30)},
             {1.0, QColor(168, 110, 18)}},
            QColor(50, 30, 4), 2.0);
    return image;
}

QImage LettersPainter::victory() const
{
    const QSize size = PictureGeometry::Victory;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    const QPainterPath path = centred("VICTORY", fonts_.sans(21, true), QRectF(QPointF(0, 0), QSizeF(size)));
    glow(image, path, QColor(255, 70, 0, 170), 3, 2);
    letters(image, path, {{0.0, QColor(255, 236, 130)}, {0.45, QColor(255, 150, 30)}, {1.0, QColor(226, 44, 10)}},
            QColor(90, 10, 0), 1.2);
    return image;
}

QImage LettersPainter::instructions() const
{
    const QSize size = PictureGeometry::Instructions;
    constexpr int Margin = 14;
    constexpr int ParagraphGap = 4;
    constexpr int RuleGap = 9;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::white);

    const QFont heading = fonts_.sans(15, true);
    const QFont body = fonts_.sans(14, false);
    const int width = size.width() - 2 * Margin;
    int y = Margin;

    auto block = [&](const QString& title, const QString& text) {
        p.setFont(heading);
        const QRect titleBox = p.boundingRect(QRect(Margin, y, width, size.height()), Qt::AlignLeft, title);
        p.drawText(titleBox, Qt::AlignLeft, title);
        y = titleBox.bottom() + 1 + ParagraphGap;
        p.setFont(body);
        const QRect textBox =
            p.boundingRect(QRect(Margin, y, width, size.height()), Qt::AlignLeft | Qt::TextWordWrap, text);
        p.drawText(textBox, Qt::AlignLeft | Qt::TextWordWrap, text);
        y = textBox.bottom() + 1;
    };

    block(QStringLiteral("JAK HRÁT"),
          QStringLiteral("Kliknutím na kostičku vedle prázdného místa ji do něj posunete. "
                         "Posouvejte kostičky, dokud deska neodpovídá vzoru nahoře. "
                         "Snažte se o co nejméně tahů."));
    y += RuleGap;
    p.setPen(QPen(QColor(200, 200, 200), 1.0, Qt::DashLine));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawLine(Margin, y, size.width() - Margin - 1, y);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::white);
    y += RuleGap;
    block(QStringLiteral("HOW TO PLAY"),
          QStringLiteral("Click a tile next to the empty space to slide it in. "
                         "Keep sliding until the board matches the pattern above, "
                         "in as few moves as possible."));
    p.end();
    if (y > PictureGeometry::InstructionsCloseButton.top() - 2)
        throw std::runtime_error("the instructions run into the close button");
    return image;
}
