// Whole rounds from a clock reading to the victory, solved by search in the test.
#include <gtest/gtest.h>

#include "RoundRig.h"
#include "RoundTestSeeds.h"
#include "ScratchFolder.h"

TEST(WholeRound, TheParityRuleTellsWhichRoundsCanBeWon)
{
    ScratchFolder folder;
    folder.writeScore("500");
    int reachable = 0, unreachable = 0;
    for (std::uint32_t seed = 50000; reachable < 2 || unreachable < 2; ++seed) {
        ASSERT_LT(seed, 50100u);
        RoundRig rig;
        rig.newGameAt(seed);
        rig.runUntilPlaying();
        const Arrangement board = arrangementOf(rig.round.board());
        const Arrangement target = targetOf(rig.round);
        const bool byParity = reachableByParity(board, target);
        EXPECT_EQ(shortestClicks(board, target).has_value(), byParity) << "seed " << seed;
        (byParity ? reachable : unreachable) += 1;
    }
}

TEST(WholeRound, ShuffleDealSolveAndWin)
{
    ScratchFolder folder;
    folder.writeScore("100\r\nTavlo\r\n");
    std::uint32_t seed = 61000;
    RoundRig rig;
    for (;; ++seed) {
        ASSERT_LT(seed, 61100u);
        rig.newGameAt(seed);
        rig.runUntilPlaying();
        if (reachableByParity(arrangementOf(rig.round.board()), targetOf(rig.round)))
            break;
    }
    const Arrangement board = arrangementOf(rig.round.board());
    const auto clicks = shortestClicks(board, targetOf(rig.round));
    ASSERT_TRUE(clicks.has_value());
    ASSERT_FALSE(clicks->empty());
    ASSERT_LE(clicks->size(), 31u) << "no 3x3 position needs more";

    const auto clipsBefore = rig.clips.played.size();
    rig.click(*clicks);
    const std::string count = std::to_string(clicks->size());
    EXPECT_TRUE(rig.round.panel11Visible());
    EXPECT_EQ(rig.round.label2Caption(), count);
    EXPECT_EQ(rig.round.state().MoveCount, int(clicks->size()));
    EXPECT_EQ(folder.readScore(), count + "\r\nTavlo\r\n");
    std::vector<int> expectedClips(clicks->size(), ClipClick2);
    expectedClips.push_back(ClipWin);
    EXPECT_EQ(std::vector<int>(rig.clips.played.begin() + long(clipsBefore), rig.clips.played.end()), expectedClips);
    for (TimerId t : {TimerId::Timer1, TimerId::Timer2, TimerId::Timer3})
        EXPECT_FALSE(rig.timerOn(t));
    for (int cell = 1; cell <= 9; ++cell)
        EXPECT_TRUE(rig.round.state().SlotMatched[cell]);

    rig.round.Image16Click();
    rig.newGameAt(seed + 7);  // the overlay's close button starts the next round
    EXPECT_FALSE(rig.round.panel11Visible());
    EXPECT_EQ(rig.round.state().BestScore, int(clicks->size()));
}
