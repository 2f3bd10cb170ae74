// Reads the written files back, so the look includes what the encoders did to them.
#include "ContactSheet.h"

#include "FontSet.h"
#include "PictureGeometry.h"
#include "game/Board.h"
#include "game/TileColour.h"
#include "ui/ShapeRegion.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <array>
#include <stdexcept>
#include <vector>

namespace {

// The window's layout, as the window draws it.
constexpr QPoint FramePlace{194, 18};
constexpr QPoint FirstCell{200, 24};
constexpr int CellPitch = 32;
constexpr int CellSize = 25;
constexpr QPoint LogoPlace{168, 408};
constexpr QPoint PipePlace{293, 74};
constexpr QPoint ClosePlace{344, 416};
constexpr QPoint MinimisePlace{120, 416};
constexpr QPoint NewGamePlace{24, 184};
constexpr QPoint HelpPlace{24, 232};
constexpr QPoint ExitPlace{24, 280};
constexpr QRect CounterFrame{393, 216, 70, 70};
constexpr QPoint CounterPlace{400, 225};
constexpr QRect MovesLabel{392, 242, 71, 23};
constexpr QPoint BestPlace{112, 56};
constexpr QRect BestLabel{119, 87, 71, 23};
constexpr QPoint BoardPlace{114, 124};
constexpr QRect OverlayBox{112, 120, 265, 265};
constexpr QPoint InstructionsPlace{2, 2};
constexpr QPoint OverlayClosePlace{13, 229};
constexpr QPoint VictoryPlace{72, 89};
constexpr QRect WinLabel{2, 144, 261, 73};

enum Overlay { None, Help, Victory };

// A picture drawn with its bottom-left colour left out.
QImage keyed(const QImage& picture)
{
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = out.pixel(0, out.height() - 1);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (out.pixel(x, y) == key)
                out.setPixel(x, y, 0);
    return out;
}

void bevel(QPainter& p, const QRect& box)
{
    const QColor light(255, 255, 255);
    const QColor dark(128, 128, 128);
    p.setPen(light);
    p.drawLine(box.topLeft(), box.topRight());
    p.drawLine(box.topLeft(), box.bottomLeft());
    p.setPen(dark);
    p.drawLine(box.bottomLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomRight());
    const QRect inner = box.adjusted(1, 1, -1, -1);
    p.setPen(dark);
    p.drawLine(inner.topLeft(), inner.topRight());
    p.drawLine(inner.topLeft(), inner.bottomLeft());
    p.setPen(light);
    p.drawLine(inner.bottomLeft(), inner.bottomRight());
    p.drawLine(inner.topRight(), inner.bottomRight());
}

QColor colourOf(int k)
{
    const Colour c = TileColour[static_cast<size_t>(k)];
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>(c >> 16));
}

}  // namespace

QImage ContactSheet::load(const QString& name) const
{
    QImage image(assetsDir_ + "/pictures/" + name);
    if (image.isNull())
        throw std::runtime_error("cannot read " + name.toStdString());
    return image;
}

QImage ContactSheet::sheet() const
{
    struct Item {
        QString name;
        int zoom;
    };
    const std::vector<Item> items{
        {"skin.bmp", 1},      {"instructions.jpg", 1}, {"instructions.jpg", 2}, {"tavlo.png", 1},
        {"tile1.bmp", 2},     {"tile2.bmp", 2},        {"tile3.bmp", 2},        {"tile4.bmp", 2},
        {"tile5.bmp", 2},     {"tile6.bmp", 2},        {"tile7.bmp", 2},        {"tile8.bmp", 2},
        {"tile9.bmp", 2},     {"newgame.bmp", 3},      {"help.bmp", 3},         {"exit.bmp", 3},
        {"close.bmp", 4},     {"minimize.bmp", 4},     {"pipe.bmp", 4},         {"counter.bmp", 3},
        {"frame.jpg", 2},     {"logo.jpg", 2},         {"best.jpg", 3},         {"victory.jpg", 3},
    };
    constexpr int Width = 1400;
    constexpr int Gap = 16;
    constexpr int Caption = 16;
    std::vector<std::pair<QImage, QString>> tiles;
    for (const Item& item : items) {
        const QImage picture = load(item.name);
        tiles.emplace_back(picture.scaled(picture.size() * item.zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation),
                           QStringLiteral("%1 x%2").arg(item.name).arg(item.zoom));
    }
    QImageReader icons(assetsDir_ + "/pictures/tavlo.ico");
    for (int i = 0; i < icons.imageCount(); ++i) {
        icons.jumpToImage(i);
        const QImage icon = icons.read();
        tiles.emplace_back(icon.scaled(icon.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation),
                           QStringLiteral("ico %1 x4").arg(i));
    }

    // Shelf packing: left to right, a new shelf when the row is full.
    std::vector<QPoint> places;
    int x = Gap, y = Gap, shelf = 0;
    for (const auto& [picture, name] : tiles) {
        if (x + picture.width() > Width - Gap) {
            x = Gap;
            y += shelf + Caption + Gap;
            shelf = 0;
        }
        places.emplace_back(x, y);
        x += picture.width() + Gap;
        shelf = std::max(shelf, picture.height());
    }
    QImage out(Width, y + shelf + Caption + Gap, QImage::Format_RGB32);
    out.fill(QColor(96, 100, 108));
    QPainter p(&out);
    p.setFont(fonts_.sans(12, false));
    p.setPen(Qt::white);
    for (size_t i = 0; i < tiles.size(); ++i) {
        p.drawImage(places[i], tiles[i].first);
        p.drawText(places[i] + QPoint(0, tiles[i].first.height() + 13), tiles[i].second);
    }
    return out;
}

QImage ContactSheet::windowState(int overlay) const
{
    const QImage skin = load("skin.bmp");
    QFile shapeFile(assetsDir_ + "/pictures/shape.rgn");
    if (!shapeFile.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read shape.rgn");
    // Read as the window reads it, so the mock shows the shape the window will take.
    const auto rects = ShapeRegion::parse(shapeFile.readAll());
    if (!rects)
        throw std::runtime_error("shape.rgn holds no shape");
    const QRegion shape = ShapeRegion::toRegion(*rects);

    QImage window(skin.size(), QImage::Format_RGB32);
    window.fill(Qt::black);
    QPainter p(&window);
    p.drawImage(0, 0, skin);
    p.drawImage(FramePlace, load("frame.jpg"));
    // A target half dealt, as during the deal.
    const std::array<int, 9> target{3, 7, 1, 5, 9, 2, 0, 0, 0};
    p.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < 9; ++k) {
        const QRectF cell(FirstCell.x() + CellPitch * (k % 3) + 0.5, FirstCell.y() + CellPitch * (k / 3) + 0.5,
                          CellSize - 1, CellSize - 1);
        p.setPen(Qt::black);
        p.setBrush(target[static_cast<size_t>(k)] ? colourOf(target[static_cast<size_t>(k)]) : QColor(Qt::white));
        p.drawRoundedRect(cell, 3, 3);
    }
    p.drawImage(LogoPlace, load("logo.jpg"));
    p.drawImage(PipePlace, keyed(load("pipe.bmp")));
    p.drawImage(ClosePlace, load("close.bmp"));
    p.drawImage(MinimisePlace, load("minimize.bmp"));
    p.drawImage(NewGamePlace, load("newgame.bmp"));
    p.drawImage(HelpPlace, load("help.bmp"));
    p.drawImage(ExitPlace, keyed(load("exit.bmp")));
    p.setPen(QColor(0xC0, 0xC0, 0xC0));
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(CounterFrame).adjusted(0.5, 0.5, -0.5, -0.5), 8.5, 8.5);
    p.drawImage(CounterPlace, keyed(load("counter.bmp")));
    p.drawImage(BestPlace, load("best.jpg"));
    p.setFont(fonts_.sans(16, true));
    p.setPen(Qt::white);
    p.drawText(MovesLabel, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("17"));
    p.drawText(BestLabel, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("60"));

    // The board in a scrambled arrangement.
    const std::array<int, 9> standsAt{4, 1, 3, 7, 9, 5, 2, 8, 6};
    p.fillRect(QRect(BoardPlace, QSize(260, 260)), Qt::black);
    for (int tile = 1; tile <= 9; ++tile)
        p.drawImage(BoardPlace + QPoint(slotLeft(standsAt[static_cast<size_t>(tile - 1)]),
                                        slotTop(standsAt[static_cast<size_t>(tile - 1)])),
                    load(QStringLiteral("tile%1.bmp").arg(tile)));

    if (overlay != None) {
        p.fillRect(OverlayBox, Qt::black);
        p.setRenderHint(QPainter::Antialiasing, false);
        bevel(p, OverlayBox);
        const QPoint origin = OverlayBox.topLeft();
        if (overlay == Help) {
            p.drawImage(origin + InstructionsPlace, load("instructions.jpg"));
        } else {
            p.drawImage(origin + VictoryPlace, load("victory.jpg"));
            p.setFont(fonts_.sans(27, true));
            p.setPen(Qt::white);
            p.drawText(WinLabel.translated(origin), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("23"));
        }
        p.drawImage(origin + OverlayClosePlace, load("close.bmp"));
    }
    p.end();

    QImage desktop(skin.size(), QImage::Format_RGB32);
    desktop.fill(QColor(58, 84, 120));
    QPainter d(&desktop);
    d.setClipRegion(shape);
    d.drawImage(0, 0, window);
    return desktop;
}

QImage ContactSheet::window() const
{
    constexpr int Gap = 12;
    const std::array<int, 3> states{None, Help, Victory};
    const QSize one = PictureGeometry::Skin;
    QImage out(3 * one.width() + 4 * Gap, one.height() + 2 * Gap, QImage::Format_RGB32);
    out.fill(QColor(58, 84, 120));
    QPainter p(&out);
    for (size_t i = 0; i < states.size(); ++i)
        p.drawImage(Gap + static_cast<int>(i) * (one.width() + Gap), Gap, windowState(states[i]));
    return out;
}
