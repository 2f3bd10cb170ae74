// The round's generator against its definition.
#include <gtest/gtest.h>

#include "ModelLcg.h"
#include "RandomSource.h"

TEST(RandomSource, StepsTheSeedModulo2To32)
{
    RandomSource random;
    EXPECT_EQ(random.draw(9), 0u) << "seed 0 steps to 1, and 1 * 9 >> 32 is 0";
    EXPECT_EQ(random.seed(), 1u);
    random.reseed(0xFFFFFFFFu);
    random.draw(4);
    EXPECT_EQ(random.seed(), 4160191484u) << "2^32 - 134775813 + 1";
    random.reseed(0xFFFFFFFFu);
    EXPECT_EQ(random.draw(9), 8u) << "4160191484 * 9 >> 32";
}

TEST(RandomSource, EveryDrawIsTheUpperHalfOfSeedTimesRange)
{
    const std::uint32_t ranges[] = {1, 2, 4, 9, 1000, 0x80000000u, 0xFFFFFFFFu};
    for (std::uint32_t start : {0u, 1u, 86399999u, 43200000u, 0xFFFFFFFFu}) {
        RandomSource random;
        random.reseed(start);
        ModelLcg model{start};
        for (int i = 0; i < 2000; ++i) {
            const std::uint32_t n = ranges[i % std::size(ranges)];
            const std::uint32_t d = random.draw(n);
            ASSERT_EQ(d, model.next(n)) << "seed " << start << ", draw " << i;
            ASSERT_LT(d, n);
            ASSERT_EQ(random.seed(), model.seed);
        }
    }
}
