// The shuffle's 150 ticks and the deal's cascade, checked tick by tick against the model generator.
#include <gtest/gtest.h>

#include "RoundRig.h"
#include "RoundTestSeeds.h"
#include "ScratchFolder.h"

TEST(Shuffle, RunsExactly150TicksFromTheSeedThenHandsOverToTheDeal)
{
    ScratchFolder folder;
    folder.writeScore("500\r\n");
    RoundRig rig;
    const std::uint32_t seed = 45296789;  // 12:34:56.789
    rig.newGameAt(seed);
    ModelLcg draws{seed};
    Arrangement model = homeArrangement();
    for (int tick = 1; tick <= 150; ++tick) {
        rig.timers.advanceBy(20);
        modelSweep(model, draws.next(4));
        ASSERT_EQ(arrangementOf(rig.round.board()), model) << "tick " << tick;
        ASSERT_EQ(rig.round.state().ShuffleDirection, std::nullopt);
        if (tick < 150) {
            ASSERT_EQ(rig.round.state().ShuffleTicks, tick);
            ASSERT_TRUE(rig.timerOn(TimerId::Timer1));
            ASSERT_FALSE(rig.timerOn(TimerId::Timer2));
            ASSERT_EQ(rig.round.state().DealSlot, std::nullopt);
        }
    }
    EXPECT_FALSE(rig.timerOn(TimerId::Timer1));
    EXPECT_TRUE(rig.timerOn(TimerId::Timer2));
    EXPECT_EQ(rig.round.state().DealSlot, 1);
    EXPECT_EQ(rig.round.state().ShuffleTicks, 0);
    EXPECT_EQ(rig.round.state().MoveCount, 0);
    EXPECT_FALSE(rig.round.state().Playing);
    EXPECT_EQ(rig.clips.played, std::vector<int>{ClipClick}) << "the shuffle is silent";
    EXPECT_EQ(rig.timers.ticks(TimerId::Timer1), 150);
    EXPECT_EQ(rig.timers.now(), 3000);

    rig.timers.advanceBy(99);
    EXPECT_EQ(rig.timers.ticks(TimerId::Timer1), 150);
    EXPECT_EQ(rig.round.state().DealSlot, 1) << "the deal waits for Timer2's first period";
    for (int cell = 1; cell <= 9; ++cell)
        EXPECT_EQ(rig.round.previewFill(cell), BlankColour);
}

TEST(Deal, ColoursCellsInOrderCascadingUntilADrawHitsATakenColour)
{
    bool sawCascade = false, sawMiss = false;
    for (std::uint32_t seed = 1000; seed < 1010; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        ScratchFolder folder;
        folder.writeScore("500\r\n");
        RoundRig rig;
        rig.newGameAt(seed);
        rig.timers.advanceBy(3000);
        ASSERT_EQ(rig.round.state().DealSlot, 1);

        ModelLcg draws{seed};
        for (int tick = 0; tick < 150; ++tick)
            draws.next(4);
        Arrangement target{};
        bool free[10] = {false, true, true, true, true, true, true, true, true, true};
        int cell = 1;
        for (int tick = 1; cell <= 9; ++tick) {
            ASSERT_LT(tick, 1000);
            rig.timers.advanceBy(100);
            int dealt = 0;
            while (cell <= 9) {
                const int colour = static_cast<int>(draws.next(9)) + 1;
                if (cell > 1 && !free[colour])
                    break;
                free[colour] = false;
                target[cell++] = colour;
                ++dealt;
            }
            sawCascade = sawCascade || dealt >= 2;
            sawMiss = sawMiss || dealt == 0;
            for (int k = 1; k <= 9; ++k) {
                ASSERT_EQ(rig.round.previewFill(k), k < cell ? TileColour[target[k]] : BlankColour) << "cell " << k;
                ASSERT_EQ(rig.round.state().ColourFree[k], free[k]) << "colour " << k;
            }
            ASSERT_EQ(rig.round.state().DealSlot, cell <= 9 ? std::optional<int>(cell) : std::nullopt);
            ASSERT_EQ(rig.round.state().Playing, cell > 9);
            ASSERT_EQ(rig.timerOn(TimerId::Timer2), cell <= 9);
        }
        EXPECT_EQ(targetOf(rig.round), target);
        EXPECT_EQ(rig.clips.played, std::vector<int>{ClipClick}) << "the deal is silent";
        const auto ticks = rig.timers.ticks(TimerId::Timer2);
        rig.timers.advanceBy(1000);
        EXPECT_EQ(rig.timers.ticks(TimerId::Timer2), ticks) << "Timer2 stays off once dealt";
    }
    EXPECT_TRUE(sawCascade) << "no seed dealt two cells in one tick";
    EXPECT_TRUE(sawMiss) << "no seed drew a taken colour";
}
