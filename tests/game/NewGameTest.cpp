// The new game in every state of the round, and the new game that fails on the score file.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "RoundRig.h"
#include "RoundTestSeeds.h"
#include "ScratchFolder.h"

namespace {

std::string failureOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(no failure)";
}

// The states a new game can interrupt, each reached from a fresh rig with a readable score file.
struct State {
    const char* name;
    std::function<void(RoundRig&)> reach;
};

const std::uint32_t WinnableSeed = winnableSeed(homeArrangement(), 5000);

const State states[] = {
    {"not started", [](RoundRig&) {}},
    {"shuffling", [](RoundRig& rig) { rig.newGameAt(777); rig.timers.advanceBy(1010); }},
    {"dealing", [](RoundRig& rig) { rig.newGameAt(777); rig.timers.advanceBy(3100); }},
    {"in play", [](RoundRig& rig) {
         rig.newGameAt(777);
         rig.runUntilPlaying();
         const Arrangement a = arrangementOf(rig.round.board());
         int hole = 1;
         while (a[hole] != HoleTile)
             ++hole;
         const int beside = hole % 3 != 0 ? hole + 1 : hole - 1;
         rig.click({a[beside], a[beside], a[beside]});
     }},
    {"won", [](RoundRig& rig) {
         rig.newGameAt(WinnableSeed);
         rig.runUntilPlaying();
         if (rig.solveWithoutTheLastWatchTick() > 0)
             rig.timers.advanceBy(1);
     }},
};

}  // namespace

TEST(NewGame, AFailedReadStopsAtItsStepAndTheRoundGoesOnAsIfNothingHappened)
{
    struct Failure {
        const char* what;
        std::function<void(ScratchFolder&)> spoil;
        std::string message;
        bool skoreFromFile;
        std::vector<std::string> lines;
    };
    const Failure failures[] = {
        {"missing file", [](ScratchFolder&) { std::filesystem::remove("data/data.iso"); },
         "Cannot open file data/data.iso", false, {}},
        {"a folder", [](ScratchFolder&) { std::filesystem::remove("data/data.iso"); std::filesystem::create_directory("data/data.iso"); },
         "Cannot open file data/data.iso", false, {}},
        {"empty file", [](ScratchFolder& f) { f.writeScore(""); }, "List index out of bounds (0)", true, {}},
        {"NUL first", [](ScratchFolder& f) { f.writeScore(std::string("\0" "12\r\n", 5)); },
         "List index out of bounds (0)", true, {}},
        {"not an integer", [](ScratchFolder& f) { f.writeScore("abc\r\nmore"); },
         "'abc' is not a valid integer value", true, {"abc", "more"}},
    };
    for (const State& state : states) {
        for (const Failure& failure : failures) {
            SCOPED_TRACE(testing::Message() << state.name << ", " << failure.what);
            ScratchFolder folder;
            const std::string file = "77\r\nsecond\r\n";
            // The twin lives the same round without the failed new game; each starts from the
            // same file, which a victory may have rewritten.
            RoundRig rig, twin;
            folder.writeScore(file);
            state.reach(rig);
            folder.writeScore(file);
            state.reach(twin);
            rig.round.Image16Click();
            twin.round.Image16Click();
            const std::vector<std::string> skoreBefore = rig.round.skore();
            const auto clicksBefore = rig.clips.count(ClipClick);

            failure.spoil(folder);
            EXPECT_EQ(failureOf([&] { rig.newGameAt(99999); }), failure.message);
            EXPECT_EQ(rig.clips.count(ClipClick), clicksBefore + 1);
            EXPECT_EQ(rig.clips.played.back(), ClipClick);
            EXPECT_FALSE(rig.round.panel12Visible());
            EXPECT_EQ(rig.round.skore(), failure.skoreFromFile ? failure.lines : skoreBefore);

            RoundRig::Snapshot expected = twin.snapshot();
            expected.panel12 = false;
            EXPECT_EQ(rig.snapshot(), expected);
            rig.timers.advanceBy(5000);
            twin.timers.advanceBy(5000);
            expected = twin.snapshot();
            expected.panel12 = false;
            EXPECT_EQ(rig.snapshot(), expected) << "5 s later";
        }
    }
}

TEST(NewGame, AfterAFailedStartTheBoardStaysHomeUntilANewGameSucceeds)
{
    ScratchFolder folder;
    RoundRig rig;
    EXPECT_EQ(failureOf([&] { rig.newGameAt(1); }), "Cannot open file data/data.iso");
    rig.timers.advanceBy(10000);
    EXPECT_EQ(arrangementOf(rig.round.board()), homeArrangement());
    EXPECT_EQ(rig.round.label1Caption(), "0");
    EXPECT_EQ(rig.round.label3Caption(), "0");
    for (int cell = 1; cell <= 9; ++cell)
        EXPECT_EQ(rig.round.previewFill(cell), BlankColour);
    for (TimerId t : {TimerId::Timer1, TimerId::Timer2, TimerId::Timer3})
        EXPECT_FALSE(rig.timerOn(t));
    rig.round.PanelClick(8);
    EXPECT_EQ(arrangementOf(rig.round.board()), homeArrangement());

    folder.writeScore("12");
    rig.newGameAt(31337);
    rig.timers.advanceBy(20);
    Arrangement model = homeArrangement();
    ModelLcg draws{31337};
    modelSweep(model, draws.next(4));
    EXPECT_EQ(arrangementOf(rig.round.board()), model) << "the shuffle starts from home";
    EXPECT_EQ(rig.round.label3Caption(), "12");
}

TEST(NewGame, DuringTheShuffleRestartsThe150TicksWithoutShiftingTimer1)
{
    ScratchFolder folder;
    folder.writeScore("500\r\n");
    RoundRig rig;
    rig.newGameAt(2024);
    rig.timers.advanceBy(1010);  // 50 ticks done, the 51st due at 1020
    Arrangement model = homeArrangement();
    ModelLcg first{2024};
    for (int tick = 0; tick < 50; ++tick)
        modelSweep(model, first.next(4));
    ASSERT_EQ(arrangementOf(rig.round.board()), model);

    rig.newGameAt(4048);
    EXPECT_EQ(rig.round.state().ShuffleTicks, 0);
    ModelLcg second{4048};
    for (int tick = 1; tick <= 150; ++tick) {
        rig.timers.advanceBy(tick == 1 ? 10 : 20);
        modelSweep(model, second.next(4));
        ASSERT_EQ(arrangementOf(rig.round.board()), model) << "tick " << tick << " after the new game";
    }
    EXPECT_EQ(rig.timers.now(), 4000) << "the period kept its phase";
    EXPECT_EQ(rig.timers.ticks(TimerId::Timer1), 200);
    EXPECT_FALSE(rig.timerOn(TimerId::Timer1));
    EXPECT_EQ(rig.round.state().DealSlot, 1);
}

TEST(NewGame, DuringTheDealBlanksThePreviewAndTimer2TicksIdleUntilTheNextShuffleEnds)
{
    ScratchFolder folder;
    folder.writeScore("500\r\n");
    RoundRig rig;
    std::uint32_t seed = 600;
    // A seed whose deal is still going after its first tick.
    while (modelRound(homeArrangement(), seed).dealTicks < 2)
        ++seed;
    rig.newGameAt(seed);
    rig.timers.advanceBy(3150);
    ASSERT_TRUE(rig.round.state().DealSlot.has_value());
    ASSERT_GE(*rig.round.state().DealSlot, 2);
    const Arrangement scrambled = arrangementOf(rig.round.board());

    rig.newGameAt(8000);
    for (int cell = 1; cell <= 9; ++cell) {
        EXPECT_EQ(rig.round.previewFill(cell), BlankColour);
        EXPECT_TRUE(rig.round.state().ColourFree[cell]);
    }
    EXPECT_EQ(rig.round.state().DealSlot, std::nullopt);
    EXPECT_TRUE(rig.timerOn(TimerId::Timer2));
    EXPECT_EQ(arrangementOf(rig.round.board()), scrambled) << "a new game moves no tile";

    // The shuffle runs 3150..6150; Timer2 goes on ticking at 3200, 3300, ... without drawing,
    // so the board and then the deal follow the generator from the new seed alone.
    const ModelRound model = modelRound(scrambled, 8000);
    rig.timers.advanceBy(3000);
    EXPECT_EQ(arrangementOf(rig.round.board()), model.board);
    EXPECT_EQ(rig.round.state().DealSlot, 1);
    for (int cell = 1; cell <= 9; ++cell)
        EXPECT_EQ(rig.round.previewFill(cell), BlankColour);
    rig.timers.advanceBy(49);
    EXPECT_EQ(rig.round.state().DealSlot, 1) << "no deal before Timer2's tick at 6200";
    rig.timers.advanceBy(1);
    EXPECT_NE(rig.round.state().DealSlot, std::optional<int>(1));
    rig.runUntilPlaying();
    EXPECT_EQ(targetOf(rig.round), model.target);
}

TEST(NewGame, InPlayOrAfterAVictoryStartsAFreshShuffleFromWhereTheTilesStand)
{
    for (const State& state : {states[3], states[4]}) {
        SCOPED_TRACE(state.name);
        ScratchFolder folder;
        folder.writeScore("500\r\n");
        RoundRig rig;
        state.reach(rig);
        ASSERT_TRUE(rig.round.state().Playing);
        ASSERT_GT(rig.round.state().MoveCount, 0);
        const bool won = std::string(state.name) == "won";
        ASSERT_EQ(rig.round.panel11Visible(), won);
        ASSERT_EQ(rig.timerOn(TimerId::Timer3), !won);
        const Arrangement before = arrangementOf(rig.round.board());
        const std::string winningCount = rig.round.label2Caption();

        rig.newGameAt(2222);
        EXPECT_EQ(rig.round.state().MoveCount, 0);
        EXPECT_FALSE(rig.round.state().Playing);
        EXPECT_FALSE(rig.round.panel11Visible());
        EXPECT_TRUE(rig.timerOn(TimerId::Timer3));
        EXPECT_TRUE(rig.timerOn(TimerId::Timer1));
        EXPECT_EQ(rig.round.state().SlotMatched, (std::array<bool, 10>{}));
        EXPECT_EQ(arrangementOf(rig.round.board()), before);
        rig.round.PanelClick(before[5] == 9 ? before[2] : before[5]);
        EXPECT_EQ(arrangementOf(rig.round.board()), before) << "clicks are ignored again";

        rig.timers.advanceBy(1);
        EXPECT_EQ(rig.round.label1Caption(), "0");
        EXPECT_EQ(rig.round.label3Caption(), won ? winningCount : "500") << "the best read back";
        rig.runUntilPlaying();
        EXPECT_EQ(arrangementOf(rig.round.board()), modelRound(before, 2222).board);
    }
}

TEST(HelpOverlay, ShowsWithItsClickAndClosesAfterItsClickWhileTheRoundGoesOn)
{
    ScratchFolder folder;
    folder.writeScore("500\r\n");
    RoundRig rig, twin;
    rig.newGameAt(4242);
    twin.newGameAt(4242);
    rig.timers.advanceBy(500);
    twin.timers.advanceBy(500);
    rig.round.Image16Click();
    EXPECT_TRUE(rig.round.panel12Visible());
    EXPECT_EQ(rig.clips.played, (std::vector<int>{ClipClick, ClipClick}));
    rig.timers.advanceBy(4000);
    twin.timers.advanceBy(4000);
    RoundRig::Snapshot expected = twin.snapshot();
    expected.panel12 = true;
    EXPECT_EQ(rig.snapshot(), expected) << "the shuffle and deal go on under the help";
    rig.round.Image23Click();
    EXPECT_FALSE(rig.round.panel12Visible());
    EXPECT_EQ(rig.clips.played, (std::vector<int>{ClipClick, ClipClick, ClipClick}));

    rig.round.Image16Click();
    rig.newGameAt(1);
    EXPECT_FALSE(rig.round.panel12Visible()) << "a new game closes the help";
}
