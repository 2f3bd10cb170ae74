// The player's clicks: one slide per click beside the hole, nothing anywhere else or before play.
#include <gtest/gtest.h>

#include <cstdlib>

#include "RoundRig.h"
#include "ScratchFolder.h"

namespace {

int slotOf(const Arrangement& a, int tile)
{
    for (int slot = 1; slot <= 9; ++slot)
        if (a[slot] == tile)
            return slot;
    return 0;
}

bool besideHole(const Arrangement& a, int tile)
{
    const int s = slotOf(a, tile) - 1, h = slotOf(a, 9) - 1;
    return std::abs(s / 3 - h / 3) + std::abs(s % 3 - h % 3) == 1;
}

}  // namespace

TEST(PlayerMoves, ATileBesideTheHoleSlidesIntoItAndBackOneMoveAndOneClick2Each)
{
    ScratchFolder folder;
    folder.writeScore("500\r\n");
    for (std::uint32_t seed : {7u, 3600000u, 86399999u}) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        RoundRig rig;
        rig.newGameAt(seed);
        rig.runUntilPlaying();
        int moves = 0;
        for (int tile = 1; tile <= 9; ++tile) {
            const Arrangement before = arrangementOf(rig.round.board());
            const TilePosition tileAt = rig.round.board().tile(tile), holeAt = rig.round.board().hole();
            const auto clips = rig.clips.played.size();
            const std::string label1 = rig.round.label1Caption();
            rig.round.PanelClick(tile);
            if (tile == 9 || !besideHole(before, tile)) {
                EXPECT_EQ(arrangementOf(rig.round.board()), before) << "tile " << tile;
                EXPECT_EQ(rig.round.state().MoveCount, moves);
                EXPECT_EQ(rig.clips.played.size(), clips);
                continue;
            }
            EXPECT_EQ(rig.round.board().tile(tile), holeAt) << "tile " << tile;
            EXPECT_EQ(rig.round.board().hole(), tileAt);
            EXPECT_EQ(std::abs(tileAt.Left - holeAt.Left) + std::abs(tileAt.Top - holeAt.Top), 88);
            EXPECT_EQ(rig.round.state().MoveCount, ++moves);
            EXPECT_TRUE(rig.round.state().MovedThisClick);
            EXPECT_EQ(rig.clips.played.size(), clips + 1);
            EXPECT_EQ(rig.clips.played.back(), ClipClick2);
            EXPECT_EQ(rig.round.label1Caption(), label1) << "the counter shows at the next watch tick";
            rig.timers.advanceBy(1);
            EXPECT_EQ(rig.round.label1Caption(), std::to_string(moves));

            rig.round.PanelClick(tile);
            EXPECT_EQ(arrangementOf(rig.round.board()), before) << "the second click slides it back";
            EXPECT_EQ(rig.round.state().MoveCount, ++moves);
            EXPECT_EQ(rig.clips.count(ClipClick2), moves);
        }
        EXPECT_GE(moves, 4) << "at least two tiles stand beside any hole";
        EXPECT_FALSE(rig.clips.waited);
    }
}

TEST(PlayerMoves, ClicksDoNothingWhileTheBoardIsShuffledOrTheTargetDealt)
{
    ScratchFolder folder;
    folder.writeScore("500\r\n");
    RoundRig rig;
    rig.newGameAt(123456);
    for (int until : {1000, 3050, 3150}) {
        rig.timers.advanceBy(until - rig.timers.now());
        ASSERT_FALSE(rig.round.state().Playing);
        const RoundRig::Snapshot before = rig.snapshot();
        for (int tile = 1; tile <= 9; ++tile)
            rig.round.PanelClick(tile);
        EXPECT_EQ(rig.snapshot(), before) << "at " << until << " ms";
        EXPECT_EQ(rig.clips.played, std::vector<int>{ClipClick});
    }
}
