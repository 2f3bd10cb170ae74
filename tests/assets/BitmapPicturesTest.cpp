// The 24-bit pictures: their headers, the tile faces' colours, and the see-through colours the
// window keys out (the exit button's corner, the counter plate's corners, the pipe's lime).
#include "BmpPicture.h"
#include "game/TileColour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Size {
    const char* name;
    int width;
    int height;
};

const std::vector<Size> Pictures{
    {"tile1.bmp", 81, 81},    {"tile2.bmp", 81, 81},   {"tile3.bmp", 81, 81},    {"tile4.bmp", 81, 81},
    {"tile5.bmp", 81, 81},    {"tile6.bmp", 81, 81},   {"tile7.bmp", 81, 81},    {"tile8.bmp", 81, 81},
    {"tile9.bmp", 81, 81},    {"newgame.bmp", 82, 28}, {"help.bmp", 82, 28},     {"exit.bmp", 82, 28},
    {"close.bmp", 20, 20},    {"minimize.bmp", 20, 20}, {"pipe.bmp", 50, 51},    {"counter.bmp", 56, 52},
};

const Rgb Black{0, 0, 0};
const Rgb Lime{0, 255, 0};

bool near(const Rgb& a, const Rgb& b, int tolerance)
{
    for (int i = 0; i < 3; ++i)
        if (std::abs(a[static_cast<size_t>(i)] - b[static_cast<size_t>(i)]) > tolerance)
            return false;
    return true;
}

int sum(const Rgb& c) { return c[0] + c[1] + c[2]; }

Rgb tileColour(int k)
{
    const Colour c = TileColour[static_cast<size_t>(k)];
    return {static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>(c >> 16)};
}

// Points of a tile's flat face, clear of the rim and of the ball and its shadow.
const std::vector<std::pair<int, int>> FacePoints{{10, 10}, {40, 10}, {70, 10}, {10, 40},
                                                  {70, 40}, {10, 70}, {40, 70}, {70, 70}};

TEST(BitmapPictures, HeadersAreUncompressedTwentyFourBit)
{
    for (const Size& s : Pictures) {
        SCOPED_TRACE(s.name);
        const BmpPicture p(s.name);
        const AssetFile& f = p.file();
        const std::uint32_t rowBytes = static_cast<std::uint32_t>((s.width * 3 + 3) & ~3);
        const std::uint32_t imageSize = rowBytes * static_cast<std::uint32_t>(s.height);
        ASSERT_EQ(f.size(), 54u + imageSize);
        EXPECT_EQ(f.u8(0), 'B');
        EXPECT_EQ(f.u8(1), 'M');
        EXPECT_EQ(f.u32(2), 54u + imageSize);
        EXPECT_EQ(f.u32(10), 54u);
        EXPECT_EQ(f.u32(14), 40u);
        EXPECT_EQ(p.width(), s.width);
        EXPECT_EQ(p.height(), s.height);  // positive: bottom row first
        EXPECT_EQ(f.u16(26), 1);
        EXPECT_EQ(p.bitsPerPixel(), 24);
        EXPECT_EQ(f.u32(30), 0u);
        EXPECT_EQ(f.u32(34), imageSize);
        EXPECT_EQ(f.u32(46), 0u);
    }
}

TEST(BitmapPictures, TileFacesKeepTheirColourWithADarkerRimAndAWhiteBall)
{
    for (int k = 1; k <= 8; ++k) {
        SCOPED_TRACE("tile " + std::to_string(k));
        const BmpPicture tile("tile" + std::to_string(k) + ".bmp");
        const Rgb colour = tileColour(k);
        for (const auto& [x, y] : FacePoints)
            EXPECT_TRUE(near(tile.rgb(x, y), colour, 3)) << "face at " << x << ", " << y;
        for (const auto& [x, y] : std::vector<std::pair<int, int>>{{2, 40}, {78, 40}, {40, 2}, {40, 78}})
            EXPECT_LT(sum(tile.rgb(x, y)), sum(colour)) << "rim at " << x << ", " << y;
        // The ball's lit side is white whatever the face's colour.
        const Rgb ball = tile.rgb(37, 37);
        EXPECT_GE(std::min({ball[0], ball[1], ball[2]}), 200);
    }
}

TEST(BitmapPictures, HoleIsADarkGreyFaceOnBlackWithABlackHollow)
{
    const BmpPicture hole("tile9.bmp");
    for (const auto& [x, y] : FacePoints) {
        const Rgb c = hole.rgb(x, y);
        EXPECT_TRUE(c[0] == c[1] && c[1] == c[2]) << "grey at " << x << ", " << y;
        EXPECT_GE(c[0], 30);
        EXPECT_LE(c[0], 90);
    }
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{0, 0}, {80, 0}, {0, 80}, {80, 80}, {40, 40}, {34, 46}})
        EXPECT_EQ(hole.rgb(x, y), Black) << "at " << x << ", " << y;
}

TEST(BitmapPictures, ButtonsAreYellowWithRedLettering)
{
    for (const char* name : {"newgame.bmp", "help.bmp", "exit.bmp"}) {
        SCOPED_TRACE(name);
        const BmpPicture button(name);
        const Rgb body = button.rgb(6, 8);
        EXPECT_GT(body[0], 200);
        EXPECT_GT(body[1], 150);
        EXPECT_LT(body[2], 140);
        int red = 0;
        for (int y = 4; y < 24; ++y)
            for (int x = 10; x < 72; ++x) {
                const Rgb c = button.rgb(x, y);
                red += c[0] > 150 && c[1] < 70 && c[2] < 70;
            }
        EXPECT_GT(red, 40);
    }
}

TEST(BitmapPictures, ExitButtonIsPureBlackOnlyInItsCornerTriangle)
{
    const BmpPicture exit("exit.bmp");
    constexpr int Corner = 9;
    for (int y = 0; y < 28; ++y)
        for (int x = 0; x < 82; ++x) {
            const int fromBottom = 27 - y;
            const bool corner = fromBottom < Corner && x < Corner - fromBottom;
            EXPECT_EQ(exit.rgb(x, y) == Black, corner) << "at " << x << ", " << y;
        }
}

TEST(BitmapPictures, CounterPlateIsBlackOnlyAtItsCorners)
{
    const BmpPicture counter("counter.bmp");
    const int w = 56, h = 52, r = 11;
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
        EXPECT_EQ(counter.rgb(x, y), Black) << "corner " << x << ", " << y;
    // Inside the rounded plate (pixel centres one pixel in from its outline) nothing is pure black.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double cx = std::clamp(x + 0.5, double(r), double(w - r));
            const double cy = std::clamp(y + 0.5, double(r), double(h - r));
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            if (dx * dx + dy * dy <= (r - 1.0) * (r - 1.0)) {
                EXPECT_NE(counter.rgb(x, y), Black) << "at " << x << ", " << y;
            }
        }
    const Rgb middle = counter.rgb(28, 26);
    EXPECT_GT(middle[1], middle[0] + 40);
    EXPECT_GT(middle[2], middle[0] + 40);
}

TEST(BitmapPictures, PipeStandsOnPureLimeWithoutAGreenFringe)
{
    const BmpPicture pipe("pipe.bmp");
    EXPECT_EQ(pipe.rgb(0, 50), Lime) << "the see-through colour is the bottom-left pixel";
    int lime = 0, blue = 0;
    bool reachesLeft = false, reachesBottom = false;
    for (int y = 0; y < 51; ++y)
        for (int x = 0; x < 50; ++x) {
            const Rgb c = pipe.rgb(x, y);
            if (c == Lime) {
                ++lime;
                continue;
            }
            EXPECT_LT(c[1] - std::max(c[0], c[2]), 40) << "greenish at " << x << ", " << y;
            blue += c[2] > c[0] + 60;
            reachesLeft = reachesLeft || x == 0;
            reachesBottom = reachesBottom || y == 50;
        }
    EXPECT_GT(lime, 50 * 51 / 2);
    EXPECT_GT(blue, 40) << "blue flanges";
    EXPECT_TRUE(reachesLeft);
    EXPECT_TRUE(reachesBottom);
}

TEST(BitmapPictures, SmallButtonsHaveWhitePlatesWithRedSigns)
{
    const BmpPicture close("close.bmp");
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(close.rgb(i, 0), Black);
        EXPECT_EQ(close.rgb(i, 19), Black);
        EXPECT_EQ(close.rgb(0, i), Black);
        EXPECT_EQ(close.rgb(19, i), Black);
    }
    const Rgb cross = close.rgb(10, 10);
    EXPECT_GT(cross[0], 150);
    EXPECT_LT(cross[1], 80);
    EXPECT_GT(std::min({close.rgb(10, 3)[0], close.rgb(10, 3)[1], close.rgb(10, 3)[2]}), 200);

    const BmpPicture minimise("minimize.bmp");
    EXPECT_EQ(minimise.rgb(0, 0), Black);
    EXPECT_EQ(minimise.rgb(0, 10), Black);
    const Rgb bar = minimise.rgb(9, 13);
    EXPECT_GT(bar[0], 150);
    EXPECT_LT(bar[1], 80);
    EXPECT_GT(std::min({minimise.rgb(10, 5)[0], minimise.rgb(10, 5)[1], minimise.rgb(10, 5)[2]}), 200);
}

}  // namespace
