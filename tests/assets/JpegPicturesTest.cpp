// The JPEG pictures: baseline JFIF, three 8-bit components sampled 1 x 1, their sizes, and what
// a player must be able to see in them.
#include "JpegPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

struct Size {
    const char* name;
    int width;
    int height;
};

const std::vector<Size> Pictures{
    {"frame.jpg", 100, 100},  {"logo.jpg", 153, 57},           {"best.jpg", 83, 37},
    {"victory.jpg", 120, 30}, {"instructions.jpg", 260, 260},
};

constexpr std::uint8_t App0 = 0xE0;
constexpr std::uint8_t Sof0 = 0xC0;

bool isStartOfFrame(std::uint8_t code)
{
    return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
}

int brightness(const Rgb& c) { return (c[0] + c[1] + c[2]) / 3; }

TEST(JpegPictures, BaselineJfifWithThreeFullResolutionComponents)
{
    for (const Size& s : Pictures) {
        SCOPED_TRACE(s.name);
        const JpegPicture p(s.name);
        const AssetFile& f = p.file();
        const auto& markers = p.markers();
        ASSERT_GE(markers.size(), 3u);
        EXPECT_EQ(markers[0].code, 0xD8);
        ASSERT_EQ(markers[1].code, App0);
        const std::size_t app0 = markers[1].at;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&f.bytes()[app0 + 2]), 5), std::string("JFIF\0", 5));

        int frames = 0;
        for (const auto& m : markers) {
            if (!isStartOfFrame(m.code))
                continue;
            ++frames;
            ASSERT_EQ(m.code, Sof0) << "baseline only";
            EXPECT_EQ(f.u8(m.at + 2), 8) << "8-bit samples";
            EXPECT_EQ((f.u8(m.at + 3) << 8) | f.u8(m.at + 4), s.height);
            EXPECT_EQ((f.u8(m.at + 5) << 8) | f.u8(m.at + 6), s.width);
            ASSERT_EQ(f.u8(m.at + 7), 3) << "three components";
            for (int c = 0; c < 3; ++c)
                EXPECT_EQ(f.u8(m.at + 8 + 3 * c + 1), 0x11) << "component " << c << " sampled 1 x 1";
        }
        EXPECT_EQ(frames, 1);
        EXPECT_EQ(markers.back().code, 0xDA);
        EXPECT_EQ(p.width(), s.width);
        EXPECT_EQ(p.height(), s.height);
    }
}

TEST(JpegPictures, InstructionsAreWhiteOnBlackAndLeaveTheCloseButtonClear)
{
    const JpegPicture p("instructions.jpg");
    long dark = 0, white = 0;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const Rgb c = p.rgb(x, y);
            dark += brightness(c) < 40;
            const bool neutral = std::max({c[0], c[1], c[2]}) - std::min({c[0], c[1], c[2]}) < 30;
            white += brightness(c) > 200 && neutral;
        }
    EXPECT_GT(dark, 260L * 260 * 3 / 4);
    EXPECT_GT(white, 1500) << "enough lettering to read";
    // The help overlay's close button covers columns 11..30 and rows 227..246 of the picture.
    for (int y = 225; y < 249; ++y)
        for (int x = 9; x < 33; ++x)
            EXPECT_LT(brightness(p.rgb(x, y)), 24) << "at " << x << ", " << y;
}

TEST(JpegPictures, HeadingsShowTheirColours)
{
    struct Look {
        const char* name;
        bool (*colour)(const Rgb&);
        int atLeast;
    };
    const std::vector<Look> looks{
        {"best.jpg", [](const Rgb& c) { return c[0] > 200 && c[1] > 150 && c[2] < 130; }, 60},
        {"victory.jpg", [](const Rgb& c) { return c[0] > 200 && c[1] < 170 && c[2] < 90; }, 60},
        {"logo.jpg", [](const Rgb& c) { return c[0] > 220 && c[1] > 120 && c[2] < 110; }, 300},
    };
    for (const Look& l : looks) {
        SCOPED_TRACE(l.name);
        const JpegPicture p(l.name);
        int count = 0;
        for (int y = 0; y < p.height(); ++y)
            for (int x = 0; x < p.width(); ++x)
                count += l.colour(p.rgb(x, y));
        EXPECT_GE(count, l.atLeast);
        EXPECT_LT(brightness(p.rgb(0, 0)), 80) << "dark ground";
    }
    const JpegPicture victory("victory.jpg");
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{0, 0}, {119, 0}, {0, 29}, {119, 29}})
        EXPECT_LT(brightness(victory.rgb(x, y)), 12) << "black at " << x << ", " << y;
}

TEST(JpegPictures, FrameIsDarkGreyInsideALighterBorder)
{
    const JpegPicture p("frame.jpg");
    long border = 0, inside = 0;
    int borderPixels = 0, insidePixels = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            const Rgb c = p.rgb(x, y);
            EXPECT_LT(std::max({c[0], c[1], c[2]}) - std::min({c[0], c[1], c[2]}), 16) << "grey";
            if (x == 0 || y == 0 || x == 99 || y == 99) {
                border += brightness(c);
                ++borderPixels;
            } else if (x > 4 && y > 4 && x < 95 && y < 95) {
                inside += brightness(c);
                ++insidePixels;
            }
        }
    EXPECT_GT(border / borderPixels, inside / insidePixels + 50);
    EXPECT_LT(inside / insidePixels, 100);
}

}  // namespace
