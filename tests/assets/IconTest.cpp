// The application icon: four images of one picture with 1-bit masks, and the desktop PNG.
#include "AssetFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Image {
    int size;
    int bits;
};

const std::vector<Image> Images{{16, 24}, {24, 8}, {32, 8}, {32, 24}};

int padded(int bytes) { return (bytes + 3) & ~3; }

TEST(Icon, DirectoryListsFourImagesWithTheirSizesAndDepths)
{
    const AssetFile f("pictures/tavlo.ico");
    EXPECT_EQ(f.u16(0), 0);
    EXPECT_EQ(f.u16(2), 1);
    ASSERT_EQ(f.u16(4), Images.size());
    std::size_t expectedOffset = 6 + 16 * Images.size();
    for (std::size_t i = 0; i < Images.size(); ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        const std::size_t e = 6 + 16 * i;
        const Image& img = Images[i];
        EXPECT_EQ(f.u8(e), img.size);
        EXPECT_EQ(f.u8(e + 1), img.size);
        EXPECT_EQ(f.u8(e + 2), 0) << "256 colours or more";
        EXPECT_EQ(f.u8(e + 3), 0);
        EXPECT_EQ(f.u16(e + 4), 1);
        EXPECT_EQ(f.u16(e + 6), img.bits);
        const std::uint32_t bytes = f.u32(e + 8);
        const std::uint32_t offset = f.u32(e + 12);
        EXPECT_EQ(offset, expectedOffset) << "images follow each other";
        const int palette = img.bits == 8 ? 256 * 4 : 0;
        const int colourRows = padded(img.size * img.bits / 8) * img.size;
        const int maskRows = padded((img.size + 7) / 8) * img.size;
        EXPECT_EQ(bytes, static_cast<std::uint32_t>(40 + palette + colourRows + maskRows));

        EXPECT_EQ(f.u32(offset), 40u);
        EXPECT_EQ(f.i32(offset + 4), img.size);
        EXPECT_EQ(f.i32(offset + 8), 2 * img.size) << "colour and mask rows";
        EXPECT_EQ(f.u16(offset + 12), 1);
        EXPECT_EQ(f.u16(offset + 14), img.bits);
        EXPECT_EQ(f.u32(offset + 16), 0u);
        if (img.bits == 8) {
            for (int c = 0; c < 256; ++c)
                EXPECT_EQ(f.u8(offset + 40 + 4 * c + 3), 0) << "palette entry " << c;
        }
        expectedOffset = offset + bytes;
    }
    EXPECT_EQ(f.size(), expectedOffset);
}

TEST(Icon, MasksCutTheDiscOutAndItCarriesOrangeLettering)
{
    const AssetFile f("pictures/tavlo.ico");
    for (std::size_t i = 0; i < Images.size(); ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        const Image& img = Images[i];
        const std::uint32_t offset = f.u32(6 + 16 * i + 12);
        const int palette = img.bits == 8 ? 256 * 4 : 0;
        const int colourRow = padded(img.size * img.bits / 8);
        const int maskRow = padded((img.size + 7) / 8);
        const std::size_t colours = offset + 40 + static_cast<std::size_t>(palette);
        const std::size_t mask = colours + static_cast<std::size_t>(colourRow * img.size);
        // Rows are stored bottom first; y counts from the top.
        auto transparent = [&](int x, int y) {
            const std::size_t row = mask + static_cast<std::size_t>((img.size - 1 - y) * maskRow);
            return (f.u8(row + static_cast<std::size_t>(x / 8)) & (0x80 >> (x % 8))) != 0;
        };
        auto colour = [&](int x, int y) -> std::array<int, 3> {
            std::size_t at = colours + static_cast<std::size_t>((img.size - 1 - y) * colourRow);
            if (img.bits == 8) {
                const std::size_t entry = offset + 40 + 4u * f.u8(at + static_cast<std::size_t>(x));
                return {f.u8(entry + 2), f.u8(entry + 1), f.u8(entry)};
            }
            at += static_cast<std::size_t>(3 * x);
            return {f.u8(at + 2), f.u8(at + 1), f.u8(at)};
        };
        const int last = img.size - 1;
        for (const auto& [x, y] : std::vector<std::pair<int, int>>{{0, 0}, {last, 0}, {0, last}, {last, last}}) {
            EXPECT_TRUE(transparent(x, y)) << "corner " << x << ", " << y;
            EXPECT_EQ(colour(x, y), (std::array<int, 3>{0, 0, 0}));
        }
        int opaque = 0, orange = 0;
        for (int y = 0; y < img.size; ++y)
            for (int x = 0; x < img.size; ++x) {
                if (transparent(x, y))
                    continue;
                ++opaque;
                const auto c = colour(x, y);
                orange += c[0] > 200 && c[1] > 90 && c[1] < 200 && c[2] < 90;
            }
        EXPECT_FALSE(transparent(img.size / 2, img.size / 2));
        // A disc covers about pi/4 of its square.
        EXPECT_NEAR(static_cast<double>(opaque) / (img.size * img.size), 3.14159265 / 4.0, 0.08);
        EXPECT_GT(orange, img.size / 2);
    }
}

TEST(Icon, DesktopPictureIsA256SquareRgbaPng)
{
    const AssetFile f("pictures/tavlo.png");
    const std::vector<std::uint8_t> signature{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    ASSERT_GT(f.size(), 33u);
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), f.bytes().begin()));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&f.bytes()[12]), 4), "IHDR");
    auto big32 = [&f](std::size_t at) {
        return (f.u8(at) << 24) | (f.u8(at + 1) << 16) | (f.u8(at + 2) << 8) | f.u8(at + 3);
    };
    EXPECT_EQ(big32(16), 256);
    EXPECT_EQ(big32(20), 256);
    EXPECT_EQ(f.u8(24), 8) << "bit depth";
    EXPECT_EQ(f.u8(25), 6) << "RGBA";
}

}  // namespace
