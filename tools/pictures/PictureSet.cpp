// The file names are the window's: it embeds these files and looks them up by name.
#include "PictureSet.h"

#include "BmpWriter.h"
#include "ButtonPainter.h"
#include "IconPainter.h"
#include "IconWriter.h"
#include "JpegWriter.h"
#include "LettersPainter.h"
#include "OrnamentPainter.h"
#include "PictureGeometry.h"
#include "RegionWriter.h"
#include "SkinPainter.h"
#include "TilePainter.h"

#include <QBuffer>

namespace {

constexpr int PictureQuality = 92;
constexpr int TextQuality = 96;  // white text on black rings at lower qualities

// The best score a good player can beat, so the first fine win is stored.
constexpr char FirstBestScore[] = "60\r\n";

QByteArray png(const QImage& image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return out;
}

}  // namespace

std::map<QString, QByteArray> PictureSet::make(const FontSet& fonts)
{
    std::map<QString, QByteArray> files;
    const QString pictures = QStringLiteral("pictures/");

    const QImage skin = SkinPainter::paint();
    files[pictures + "skin.bmp"] = BmpWriter::rgb555(skin);
    files[pictures + "shape.rgn"] = RegionWriter::fromSkin(skin, PictureGeometry::Lime);

    for (int k = 1; k <= 9; ++k)
        files[pictures + QStringLiteral("tile%1.bmp").arg(k)] = BmpWriter::rgb24(TilePainter::paint(k));

    const ButtonPainter buttons(fonts);
    files[pictures + "newgame.bmp"] = BmpWriter::rgb24(buttons.button(QStringLiteral("NEW GAME"), false));
    files[pictures + "help.bmp"] = BmpWriter::rgb24(buttons.button(QStringLiteral("HELP"), false));
    files[pictures + "exit.bmp"] = BmpWriter::rgb24(buttons.button(QStringLiteral("EXIT"), true));
    files[pictures + "close.bmp"] = BmpWriter::rgb24(buttons.close());
    files[pictures + "minimize.bmp"] = BmpWriter::rgb24(buttons.minimise());

    files[pictures + "pipe.bmp"] = BmpWriter::rgb24(OrnamentPainter::pipe());
    files[pictures + "counter.bmp"] = BmpWriter::rgb24(OrnamentPainter::counter());
    files[pictures + "frame.jpg"] = JpegWriter::encode(OrnamentPainter::frame(), PictureQuality);

    const LettersPainter letters(fonts);
    files[pictures + "logo.jpg"] = JpegWriter::encode(letters.logo(), PictureQuality);
    files[pictures + "best.jpg"] = JpegWriter::encode(letters.best(), PictureQuality);
    files[pictures + "victory.jpg"] = JpegWriter::encode(letters.victory(), PictureQuality);
    files[pictures + "instructions.jpg"] = JpegWriter::encode(letters.instructions(), TextQuality);

    const IconPainter icon(fonts, skin);
    files[pictures + "tavlo.ico"] = IconWriter::write({{icon.paint(16), 24},
                                                       {icon.paint(24), 8},
                                                       {icon.paint(32), 8},
                                                       {icon.paint(32), 24}});
    files[pictures + "tavlo.png"] = png(icon.paint(PictureGeometry::DesktopIcon));

    files[QStringLiteral("data/data.iso")] = QByteArray(FirstBestScore);
    return files;
}
