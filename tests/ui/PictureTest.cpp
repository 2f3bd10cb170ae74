// Reading pictures and the stored shape, and drawing pictures with their options.
#include <QBuffer>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <iterator>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

#include "JpegDecoder.h"
#include "PictureBox.h"
#include "PictureLoader.h"
#include "ShapeRegion.h"

namespace {

void putU16(QByteArray& b, std::uint16_t v)
{
    b.append(char(v & 0xFF)).append(char(v >> 8));
}

void putU32(QByteArray& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char(v >> (8 * i) & 0xFF));
}

// A 16-bit bit-field BMP like the skin: 5 bits per channel, bottom row first, rows padded to 4 bytes.
QByteArray bitfieldBmp(int width, int height, const std::vector<std::uint16_t>& topDownPixels)
{
    const int rowBytes = (width * 2 + 3) / 4 * 4;
    QByteArray b("BM");
    putU32(b, std::uint32_t(66 + rowBytes * height));
    putU32(b, 0);
    putU32(b, 66);
    putU32(b, 40);
    putU32(b, std::uint32_t(width));
    putU32(b, std::uint32_t(height));
    putU16(b, 1);
    putU16(b, 16);
    putU32(b, 3);
    putU32(b, std::uint32_t(rowBytes * height));
    putU32(b, 2833);
    putU32(b, 2833);
    putU32(b, 0);
    putU32(b, 0);
    putU32(b, 0x7C00);
    putU32(b, 0x03E0);
    putU32(b, 0x001F);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x)
            putU16(b, topDownPixels[std::size_t(y * width + x)]);
        for (int pad = width * 2; pad < rowBytes; ++pad)
            b.append('\0');
    }
    return b;
}

TEST(PictureLoader, ReadsSixteenBitBitfieldBmps)
{
    // 5 bits per channel: red 0x7C00, green 0x03E0, blue 0x001F; each channel lands in its own
    // place, within the rounding of 5 to 8 bits.
    const std::uint16_t pixels[] = {0x7C00, 0x03E0, 0x001F, 0x7FFF, 0x0000, 0x4210};
    const QImage image = PictureLoader::decode(
        bitfieldBmp(3, 2, {std::begin(pixels), std::end(pixels)}), QStringLiteral("t.bmp"));
    ASSERT_EQ(image.size(), QSize(3, 2));
    for (int i = 0; i < 6; ++i) {
        const QRgb got = image.pixel(i % 3, i / 3);
        const std::uint16_t p = pixels[i];
        EXPECT_NEAR(qRed(got), (p >> 10 & 31) * 255 / 31, 8) << i;
        EXPECT_NEAR(qGreen(got), (p >> 5 & 31) * 255 / 31, 8) << i;
        EXPECT_NEAR(qBlue(got), (p & 31) * 255 / 31, 8) << i;
    }
}

TEST(PictureLoader, ReadsTheSkinWithLimeCornersAndFailsOnGarbage)
{
    const QImage skin = PictureLoader::load(QStringLiteral("skin.bmp"));
    ASSERT_EQ(skin.size(), QSize(488, 489));
    const QRgb lime = skin.pixel(0, 0);
    EXPECT_EQ(qRed(lime), 0);
    EXPECT_GE(qGreen(lime), 248);
    EXPECT_EQ(qBlue(lime), 0);
    EXPECT_EQ(skin.pixel(487, 488), lime);
    EXPECT_NE(skin.pixel(244, 244), lime);
    EXPECT_THROW(PictureLoader::decode("BM not a bitmap", QStringLiteral("x.bmp")), std::runtime_error);
    EXPECT_THROW(PictureLoader::decode("not a jpeg", QStringLiteral("x.jpg")), std::runtime_error);
    EXPECT_THROW(PictureLoader::load(QStringLiteral("missing.bmp")), std::runtime_error);
}

TEST(JpegDecoder, DecodesWhatAJpegEncoderWrote)
{
    QImage source(16, 8, QImage::Format_RGB32);
    source.fill(QColor(200, 120, 40));
    QByteArray encoded;
    QBuffer buffer(&encoded);
    ASSERT_TRUE(source.save(&buffer, "JPG", 100));
    const QImage decoded = JpegDecoder::decode(encoded);
    ASSERT_EQ(decoded.size(), QSize(16, 8));
    const QColor c(decoded.pixel(7, 3));
    EXPECT_NEAR(c.red(), 200, 3);
    EXPECT_NEAR(c.green(), 120, 3);
    EXPECT_NEAR(c.blue(), 40, 3);
    EXPECT_TRUE(JpegDecoder::decode(encoded.left(2)).isNull());
    EXPECT_TRUE(JpegDecoder::decode(QByteArray()).isNull());
}

TEST(JpegDecoder, DecodesEveryJpegOfTheGame)
{
    const struct {
        const char* name;
        QSize size;
    } pictures[] = {{"frame.jpg", {100, 100}}, {"logo.jpg", {153, 57}}, {"best.jpg", {83, 37}},
                    {"victory.jpg", {120, 30}}, {"instructions.jpg", {260, 260}}};
    for (const auto& p : pictures)
        EXPECT_EQ(PictureLoader::load(QLatin1String(p.name)).size(), p.size) << p.name;
}

TEST(PictureBox, LeavesOutTheBottomLeftColourOnlyWhenTransparent)
{
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(QColor(0, 255, 0));
    picture.setPixel(1, 0, qRgb(10, 20, 30));
    picture.setPixel(2, 1, qRgb(0, 254, 0));
    QWidget parent;
    const PictureBox clear(&parent, QRect(5, 6, 1, 1), picture, {true, false, true});
    EXPECT_EQ(clear.geometry(), QRect(5, 6, 3, 2));  // auto-size takes the picture's size
    const QImage& drawn = clear.drawnPicture();
    EXPECT_EQ(qAlpha(drawn.pixel(0, 1)), 0);
    EXPECT_EQ(qAlpha(drawn.pixel(0, 0)), 0);
    EXPECT_EQ(drawn.pixel(1, 0), qRgb(10, 20, 30));
    EXPECT_EQ(drawn.pixel(2, 1), qRgb(0, 254, 0));  // only the exact colour is see-through
    const PictureBox opaque(&parent, QRect(0, 0, 3, 2), picture, {false, false, false});
    EXPECT_EQ(qAlpha(opaque.drawnPicture().pixel(0, 1)), 255);
}

TEST(PictureBox, CentresWithHalvesRoundedDown)
{
    const QImage picture(3, 2, QImage::Format_RGB32);
    QWidget parent;
    const struct {
        QSize box;
        bool centred;
        QPoint offset;
    } cases[] = {{{10, 5}, true, {3, 1}}, {{3, 2}, true, {0, 0}}, {{10, 5}, false, {0, 0}},
                 {{2, 1}, true, {-1, -1}}, {{490, 57}, true, {243, 27}}};
    for (const auto& c : cases) {
        const PictureBox box(&parent, QRect(QPoint(0, 0), c.box), picture, {false, c.centred, false});
        EXPECT_EQ(box.pictureOffset(), c.offset) << c.box.width() << "x" << c.box.height();
    }
}

QByteArray storedRegion(std::uint32_t length, std::uint32_t headerSize, std::uint32_t type,
                        std::uint32_t count, const std::vector<QRect>& rects)
{
    QByteArray b;
    putU32(b, length);
    if (length == 0)
        return b;
    for (std::uint32_t v : {headerSize, type, count, count * 16, 0u, 0u, 0u, 0u})
        putU32(b, v);
    for (const QRect& r : rects)
        for (int v : {r.left(), r.top(), r.right() + 1, r.bottom() + 1})
            putU32(b, std::uint32_t(v));
    return b;
}

TEST(ShapeRegion, ReadsRectanglesAndNoShapeForZero)
{
    EXPECT_FALSE(ShapeRegion::parse(storedRegion(0, 0, 0, 0, {})).has_value());
    const std::vector<QRect> rects = {QRect(3, 0, 4, 1), QRect(1, 1, 8, 2)};
    const auto parsed = ShapeRegion::parse(storedRegion(32 + 32, 32, 1, 2, rects));
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(*parsed, rects);
    const QRegion region = ShapeRegion::toRegion(*parsed);
    EXPECT_TRUE(region.contains(QPoint(3, 0)));
    EXPECT_FALSE(region.contains(QPoint(2, 0)));
    EXPECT_TRUE(region.contains(QPoint(8, 2)));
    EXPECT_FALSE(region.contains(QPoint(9, 2)));
}

TEST(ShapeRegion, RefusesDamagedDescriptions)
{
    const std::vector<QRect> one = {QRect(0, 0, 2, 2)};
    const QByteArray cases[] = {
        QByteArray("\x01\x00", 2),                // shorter than the length
        storedRegion(48, 32, 1, 1, one).left(40),  // shorter than N says
        storedRegion(48, 40, 1, 1, one),           // wrong header size
        storedRegion(48, 32, 2, 1, one),           // not a rectangle list
        storedRegion(48, 32, 1, 2, one),           // more rectangles than N holds
        storedRegion(16, 32, 1, 0, {}),            // N shorter than the header
        storedRegion(48, 32, 1, 0xFFFFFFFFu, one)  // a count whose size overflows
    };
    for (const QByteArray& stored : cases)
        EXPECT_THROW(ShapeRegion::parse(stored), std::runtime_error) << stored.toHex().constData();
}

}  // namespace
