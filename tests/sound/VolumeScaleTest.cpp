// The music's software level: every sample to the nearest integer of s x volume / 255.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "VolumeScale.h"

TEST(VolumeScale, GameLevelGivesTheNearestIntegerForEverySample)
{
    EXPECT_EQ(scaleSample(255, 200), 200);
    EXPECT_EQ(scaleSample(-32768, 200), -25700);
    EXPECT_EQ(scaleSample(32767, 200), 25700);
    for (int volume : {0, 1, 100, 128, 200, 254}) {
        for (int s = -32768; s <= 32767; ++s) {
            const double exact = double(s) * volume / 255.0;
            ASSERT_EQ(scaleSample(std::int16_t(s), volume), std::lround(exact))
                << "s " << s << " volume " << volume;
        }
    }
}

TEST(VolumeScale, BlockIsScaledInPlaceAsLittleEndianSamples)
{
    std::uint8_t block[] = {0xFF, 0x00, 0x00, 0x80, 0x01, 0x00, 0xFF, 0xFF};  // 255, -32768, 1, -1
    scaleBlock(block, sizeof block, 200);
    const std::uint8_t scaled[] = {0xC8, 0x00, 0x9C, 0x9B, 0x01, 0x00, 0xFF, 0xFF};
    EXPECT_EQ(std::memcmp(block, scaled, sizeof block), 0);

    std::uint8_t untouched[] = {0x34, 0x12, 0x00, 0x80};
    scaleBlock(untouched, sizeof untouched, 255);
    const std::uint8_t same[] = {0x34, 0x12, 0x00, 0x80};
    EXPECT_EQ(std::memcmp(untouched, same, sizeof same), 0);
}
