// The watch: counters, the victory found at the first tick after the winning slide, the save of a
// new best, and a failed save finished by the next tick.
#include <gtest/gtest.h>

#include <filesystem>

#include "RoundRig.h"
#include "RoundTestSeeds.h"
#include "ScratchFolder.h"

namespace {

// Starts a winnable round and plays it up to the click that completes the target.
int playToTheWinningClick(RoundRig& rig, std::uint32_t seed)
{
    rig.newGameAt(seed);
    rig.runUntilPlaying();
    return rig.solveWithoutTheLastWatchTick();
}

const std::uint32_t Seed = winnableSeed(homeArrangement(), 40000);

}  // namespace

TEST(VictoryWatch, AWinSavesOnlyABetterCountAndPlaysWinOnce)
{
    ScratchFolder probeFolder;
    probeFolder.writeScore("500");
    RoundRig probe;
    const int moves = playToTheWinningClick(probe, Seed);
    ASSERT_GT(moves, 0);
    const std::string count = std::to_string(moves);

    struct Case {
        std::string file;
        bool saves;
        std::vector<std::string> skore;  // after the victory
    };
    const Case cases[] = {
        {"1000\nsecond\n\nlast", true, {count, "second", "", "last"}},
        {"  $3E8\r\n", true, {count}},
        {count + "\r\nkeep\n", false, {count, "keep"}},  // equal is no new best
        {"0", false, {"0"}},
        {"-5\r\n", false, {"-5"}},
        {"$FFFFFFFF", false, {"$FFFFFFFF"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        ScratchFolder folder;
        folder.writeScore(c.file);
        RoundRig rig;
        ASSERT_EQ(playToTheWinningClick(rig, Seed), moves);
        const std::int32_t best = rig.round.state().BestScore;
        EXPECT_FALSE(rig.round.panel11Visible()) << "the click itself does not end the round";
        EXPECT_EQ(rig.clips.count(ClipWin), 0);

        rig.timers.advanceBy(1);
        EXPECT_TRUE(rig.round.panel11Visible());
        EXPECT_EQ(rig.round.label1Caption(), count);
        EXPECT_EQ(rig.round.label2Caption(), count);
        EXPECT_EQ(rig.round.label3Caption(), std::to_string(best)) << "the old best until the next game";
        EXPECT_EQ(rig.clips.count(ClipWin), 1);
        EXPECT_EQ(rig.clips.played.back(), ClipWin);
        EXPECT_FALSE(rig.timerOn(TimerId::Timer3));
        EXPECT_TRUE(rig.round.state().Playing);
        std::string saved;
        for (const std::string& line : c.skore)
            saved += line + "\r\n";
        if (c.saves) {
            EXPECT_EQ(folder.readScore(), saved);
            EXPECT_EQ(rig.round.state().BestScore, moves);
        } else {
            EXPECT_EQ(folder.readScore(), c.file);
            EXPECT_EQ(rig.round.state().BestScore, best);
        }
        EXPECT_EQ(rig.round.skore(), c.skore);

        rig.timers.advanceBy(10000);
        EXPECT_EQ(rig.clips.count(ClipWin), 1) << "a victory is reported once";
    }
}

TEST(VictoryWatch, AFailedSaveKeepsTheNewBestInMemoryAndTheNextTickFinishesTheVictory)
{
    ScratchFolder folder;
    const std::string former = "1000\r\nrest\r\n";
    folder.writeScore(former);
    RoundRig rig;
    const int moves = playToTheWinningClick(rig, Seed);
    ASSERT_GT(moves, 0);
    std::filesystem::rename("data", "away");

    try {
        rig.timers.advanceBy(1);
        ADD_FAILURE() << "the save did not fail";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Cannot create file data/data.iso");
    }
    EXPECT_TRUE(rig.round.panel11Visible());
    EXPECT_EQ(rig.round.state().BestScore, moves);
    EXPECT_EQ(rig.round.skore(), (std::vector<std::string>{std::to_string(moves), "rest"}));
    EXPECT_EQ(rig.clips.count(ClipWin), 0);
    EXPECT_TRUE(rig.timerOn(TimerId::Timer3));
    EXPECT_EQ(rig.round.label3Caption(), "1000");

    rig.timers.advanceBy(1);
    EXPECT_EQ(rig.round.label3Caption(), std::to_string(moves));
    EXPECT_EQ(rig.clips.count(ClipWin), 1);
    EXPECT_FALSE(rig.timerOn(TimerId::Timer3));
    EXPECT_FALSE(std::filesystem::exists("data"));

    std::filesystem::rename("away", "data");
    EXPECT_EQ(folder.readScore(), former);
    rig.newGameAt(1);
    EXPECT_EQ(rig.round.state().BestScore, 1000) << "the next game reads the old best back";
}

TEST(VictoryWatch, NoVictoryBeforeTheNinthColourNorFromALeftoverMatch)
{
    ScratchFolder folder;
    folder.writeScore("500");
    RoundRig rig;
    rig.newGameAt(Seed);
    // Through the shuffle and the deal every watch tick shows the counters and finds no victory.
    while (!rig.round.state().Playing) {
        rig.timers.advanceBy(1);
        ASSERT_TRUE(rig.timerOn(TimerId::Timer3));
        ASSERT_FALSE(rig.round.panel11Visible());
        ASSERT_EQ(rig.round.label3Caption(), "500");
    }
    // Flags of dealt cells follow the board; white cells keep theirs.
    rig.timers.advanceBy(1);
    const Arrangement board = arrangementOf(rig.round.board());
    const Arrangement target = targetOf(rig.round);
    for (int cell = 1; cell <= 9; ++cell)
        EXPECT_EQ(rig.round.state().SlotMatched[cell], board[cell] == target[cell]) << "cell " << cell;

    rig.newGameAt(Seed + 1);
    EXPECT_EQ(rig.round.state().SlotMatched, (std::array<bool, 10>{}));
}
