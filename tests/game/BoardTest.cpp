// The board's geometry, the four slides and the shuffle's sweep with its chains.
#include <gtest/gtest.h>

#include "Arrangement.h"
#include "Board.h"
#include "ModelLcg.h"

TEST(Board, StartsWithEveryTileInItsHomeSlot)
{
    const Board board;
    const int expected[10][2] = {{0, 0}, {1, 1}, {89, 1}, {177, 1}, {1, 89}, {89, 89},
                                 {177, 89}, {1, 177}, {89, 177}, {177, 177}};
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(board.tile(k).Left, expected[k][0]) << "tile " << k;
        EXPECT_EQ(board.tile(k).Top, expected[k][1]) << "tile " << k;
    }
    EXPECT_EQ(board.hole(), (TilePosition{177, 177}));
}

TEST(Board, EachSlideMovesOnlyTheTileBesideTheHoleAndTheHoleTheOtherWay)
{
    // Hole in the centre; the one tile that each slide can move, and its new slot.
    struct Case {
        Slide slide;
        int tile;
        int from;
    };
    const Case cases[] = {{Slide::Right, 4, 4}, {Slide::Left, 6, 6}, {Slide::Up, 8, 8}, {Slide::Down, 2, 2}};
    for (const Case& c : cases) {
        Board board;
        placeTiles(board, {0, 1, 2, 3, 4, 9, 6, 7, 8, 5});
        for (int other = 1; other <= 8; ++other) {
            if (other == c.tile)
                continue;
            Board untouched = board;
            EXPECT_FALSE(untouched.slide(other, c.slide)) << "tile " << other;
            EXPECT_EQ(arrangementOf(untouched), arrangementOf(board));
        }
        const TilePosition before = board.tile(c.tile);
        ASSERT_TRUE(board.slide(c.tile, c.slide)) << "tile " << c.tile;
        EXPECT_EQ(board.tile(c.tile), (TilePosition{89, 89}));
        EXPECT_EQ(board.hole(), before);
        EXPECT_EQ(std::abs(before.Left - 89) + std::abs(before.Top - 89), 88);
        EXPECT_FALSE(board.slide(c.tile, c.slide)) << "the same slide cannot move it twice";
    }
}

TEST(Board, SweepChainsTwoSlidesOnlyWhenTheNearerTileHasTheLowerNumber)
{
    // For each slide: the hole at the edge the tiles move toward, the tile next to it (near) and
    // the one beyond (far); and the hole at the opposite edge, where nothing can slide in.
    struct Line {
        Slide slide;
        int towardEdge, near, far;
        int awayEdge;
    };
    const Line lines[] = {
        {Slide::Right, 6, 5, 4, 4},
        {Slide::Left, 4, 5, 6, 6},
        {Slide::Up, 2, 5, 8, 8},
        {Slide::Down, 8, 5, 2, 2},
    };
    for (const Line& l : lines) {
        for (bool nearLower : {true, false}) {
            Arrangement a{};
            a[l.towardEdge] = 9;
            a[l.near] = nearLower ? 3 : 7;
            a[l.far] = nearLower ? 7 : 3;
            int next = 1;
            for (int slot = 1; slot <= 9; ++slot) {
                if (a[slot] != 0)
                    continue;
                while (next == 3 || next == 7)
                    ++next;
                a[slot] = next++;
            }
            Board board;
            placeTiles(board, a);
            const int slid = board.sweep(l.slide);
            const Arrangement after = arrangementOf(board);
            const int holeSlot = int(std::find(after.begin(), after.end(), 9) - after.begin());
            SCOPED_TRACE(testing::Message() << "slide " << int(l.slide) << (nearLower ? ", near lower" : ", far lower"));
            EXPECT_EQ(slid, nearLower ? 2 : 1);
            EXPECT_EQ(holeSlot, nearLower ? l.far : l.near);
        }
        Board board;
        Arrangement a = homeArrangement();
        std::swap(a[l.awayEdge], a[9]);
        placeTiles(board, a);
        EXPECT_EQ(board.sweep(l.slide), 0) << "hole at the far edge, slide " << int(l.slide);
        EXPECT_EQ(arrangementOf(board), a);
    }
}

TEST(Board, ManySweepsKeepEveryTileOnItsOwnSlotAndMatchTheModel)
{
    ModelLcg draws{20240601};
    Board board;
    Arrangement model = homeArrangement();
    for (int i = 0; i < 5000; ++i) {
        const unsigned draw = draws.next(4);
        const int slid = board.sweep(static_cast<Slide>(draw));
        const Arrangement before = model;
        modelSweep(model, draw);
        ASSERT_EQ(arrangementOf(board), model) << "after sweep " << i;
        int moved = 0;
        for (int slot = 1; slot <= 9; ++slot)
            moved += before[slot] != model[slot] && model[slot] != 9 ? 1 : 0;
        ASSERT_EQ(slid, moved);
        ASSERT_LE(slid, 2);
    }
}
