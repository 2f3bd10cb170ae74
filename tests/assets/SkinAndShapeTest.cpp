// The skin bitmap's exact format, its disc on a lime outside, and the stored window shape checked
// row by row against the rule that derives it from the skin.
#include "AssetFile.h"
#include "BmpPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int Width = 488;
constexpr int Height = 489;
constexpr std::uint16_t Lime = 0x03E0;

struct RowRun {
    int first;
    int last;
};

// Each row's run of non-lime pixels; fails the test when a row is empty or broken.
std::vector<RowRun> runs(const BmpPicture& skin)
{
    std::vector<RowRun> out;
    for (int y = 0; y < Height; ++y) {
        int first = -1;
        int last = -1;
        int pieces = 0;
        for (int x = 0; x < Width; ++x) {
            if (skin.word(x, y) == Lime)
                continue;
            if (last != x - 1 || first < 0)
                ++pieces;
            if (first < 0)
                first = x;
            last = x;
        }
        EXPECT_EQ(pieces, 1) << "row " << y;
        out.push_back({first, last});
    }
    return out;
}

int level(std::uint16_t word, int shift) { return (word >> shift) & 0x1F; }

TEST(Skin, HeadersAreTheSixteenBitBitFieldLayout)
{
    const AssetFile f("pictures/skin.bmp");
    ASSERT_EQ(f.size(), 477330u);
    EXPECT_EQ(f.u8(0), 'B');
    EXPECT_EQ(f.u8(1), 'M');
    EXPECT_EQ(f.u32(2), 477330u);
    EXPECT_EQ(f.u32(6), 0u);
    EXPECT_EQ(f.u32(10), 66u);
    EXPECT_EQ(f.u32(14), 40u);
    EXPECT_EQ(f.i32(18), Width);
    EXPECT_EQ(f.i32(22), Height);
    EXPECT_EQ(f.u16(26), 1);
    EXPECT_EQ(f.u16(28), 16);
    EXPECT_EQ(f.u32(30), 3u);
    EXPECT_EQ(f.u32(34), 477264u);
    EXPECT_EQ(f.i32(38), 2833);
    EXPECT_EQ(f.i32(42), 2833);
    EXPECT_EQ(f.u32(46), 0u);
    EXPECT_EQ(f.u32(54), 0x7C00u);
    EXPECT_EQ(f.u32(58), 0x03E0u);
    EXPECT_EQ(f.u32(62), 0x001Fu);
}

TEST(Skin, DiscTouchesAllFourEdgesOnALimeOutside)
{
    const BmpPicture skin("skin.bmp");
    const std::vector<RowRun> rows = runs(skin);
    int leftmost = Width;
    int rightmost = -1;
    long inside = 0;
    for (const RowRun& r : rows) {
        leftmost = std::min(leftmost, r.first);
        rightmost = std::max(rightmost, r.last);
        inside += r.last - r.first + 1;
    }
    EXPECT_EQ(leftmost, 0);
    EXPECT_EQ(rightmost, Width - 1);

    long lime = 0;
    bool topBitClear = true;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            lime += skin.word(x, y) == Lime;
            topBitClear = topBitClear && (skin.word(x, y) & 0x8000) == 0;
        }
    // One unbroken run a row means every lime pixel lies outside the disc, none inside it.
    EXPECT_EQ(lime, long{Width} * Height - inside);
    EXPECT_TRUE(topBitClear);
    // A disc leaves roughly 1 - pi/4 of its square in the four corners.
    EXPECT_NEAR(static_cast<double>(lime) / (Width * Height), 1.0 - 3.14159265 / 4.0, 0.01);
}

TEST(Skin, RimIsARedRingWithABlackLineInside)
{
    const BmpPicture skin("skin.bmp");
    const std::vector<RowRun> rows = runs(skin);
    struct Probe {
        const char* side;
        int x, y, dx, dy;
    };
    const int midRow = Height / 2;
    const int midColumn = Width / 2;
    const std::vector<Probe> probes{
        {"left", rows[midRow].first, midRow, 1, 0},
        {"right", rows[midRow].last, midRow, -1, 0},
        {"top", midColumn, 0, 0, 1},
        {"bottom", midColumn, Height - 1, 0, -1},
    };
    for (const Probe& p : probes) {
        SCOPED_TRACE(p.side);
        int ringRed = 0;
        bool black = false;
        for (int step = 0; step < 16; ++step) {
            const std::uint16_t w = skin.word(p.x + step * p.dx, p.y + step * p.dy);
            if (step < 8 && level(w, 10) == 28 && level(w, 5) == 9 && level(w, 0) == 9)
                ++ringRed;
            black = black || w == 0;
        }
        EXPECT_GE(ringRed, 4);
        EXPECT_LE(ringRed, 7);
        EXPECT_TRUE(black);
        // The outermost pixel is a darker red than the ring.
        const std::uint16_t edge = skin.word(p.x, p.y);
        EXPECT_GT(level(edge, 10), level(edge, 5));
        EXPECT_LT(level(edge, 10), 28);
    }
}

TEST(Skin, FireInsideIsOrangeYellowAndBlack)
{
    const BmpPicture skin("skin.bmp");
    long dark = 0, orange = 0, yellow = 0, all = 0;
    // Every third pixel of the disc well inside the rim.
    for (int y = 0; y < Height; y += 3)
        for (int x = 0; x < Width; x += 3) {
            const int dx = x - Width / 2, dy = y - Height / 2;
            if (dx * dx + dy * dy > 200 * 200)
                continue;
            const std::uint16_t w = skin.word(x, y);
            const int r = level(w, 10), g = level(w, 5), b = level(w, 0);
            ++all;
            dark += r < 6;
            orange += r > 24 && g > 8 && g < 20 && b < 6;
            yellow += r > 28 && g >= 20;
        }
    EXPECT_GT(dark * 5, all) << "black clouds cover more than a fifth";
    EXPECT_GT(orange * 20, all) << "orange flames cover more than a twentieth";
    EXPECT_GT(yellow * 50, all) << "yellow flames cover more than a fiftieth";
    EXPECT_LT(dark * 4, all * 3) << "and the black does not swallow the fire";
}

TEST(Shape, HeaderAndBoundsDescribeTheRectangleList)
{
    const AssetFile f("pictures/shape.rgn");
    const std::uint32_t n = f.u32(0);
    const std::uint32_t count = f.u32(12);
    ASSERT_EQ(f.size(), 4u + n);
    EXPECT_EQ(f.u32(4), 32u);
    EXPECT_EQ(f.u32(8), 1u);
    EXPECT_EQ(n, 32u + 16u * count);
    EXPECT_EQ(f.u32(16), 16u * count);
    int left = 1 << 30, right = -1;
    for (std::uint32_t i = 0; i < count; ++i) {
        left = std::min(left, f.i32(36 + 16 * i));
        right = std::max(right, f.i32(36 + 16 * i + 8));
    }
    EXPECT_EQ(f.i32(20), left);
    EXPECT_EQ(f.i32(24), 0);
    EXPECT_EQ(f.i32(28), right);
    EXPECT_EQ(f.i32(32), Height);
    EXPECT_EQ(left, 1);
    EXPECT_EQ(right, Width + 1);
}

TEST(Shape, EveryRowAgreesWithTheSkinByTheRule)
{
    const BmpPicture skin("skin.bmp");
    const std::vector<RowRun> rows = runs(skin);
    const AssetFile f("pictures/shape.rgn");
    const std::uint32_t count = f.u32(12);
    int nextTop = 0;
    int previousLeft = -1, previousRight = -1;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t at = 36 + 16 * i;
        const int left = f.i32(at), top = f.i32(at + 4), right = f.i32(at + 8), bottom = f.i32(at + 12);
        SCOPED_TRACE("band " + std::to_string(i));
        ASSERT_EQ(top, nextTop) << "bands follow each other without gaps";
        ASSERT_GT(bottom, top);
        EXPECT_FALSE(left == previousLeft && right == previousRight) << "identical rows share one band";
        for (int y = top; y < bottom && y < Height; ++y) {
            const RowRun& r = rows[static_cast<std::size_t>(y)];
            const int expectedRight = r.last == Width - 1 ? Width + 1 : r.last + 1;
            EXPECT_EQ(left, r.first + 1) << "row " << y;
            EXPECT_EQ(right, expectedRight) << "row " << y;
            for (int x = left; x < std::min(right, Width); ++x)
                ASSERT_NE(skin.word(x, y), Lime) << "lime inside the shape at " << x << ", " << y;
        }
        nextTop = bottom;
        previousLeft = left;
        previousRight = right;
    }
    EXPECT_EQ(nextTop, Height);
}

}  // namespace
