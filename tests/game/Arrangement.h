// The board as the tests see it, independent of the code under test: which tile stands in each
// slot, how the shuffle should change it, whether a target can be reached, and a shortest way there.
#pragma once
#include <array>
#include <optional>
#include <vector>

#include "Board.h"

class Round;

// Tile number standing in slot 1..9; [0] unused.
using Arrangement = std::array<int, 10>;

// Reads the slots from the tiles' pixel positions; throws if a tile is off the grid or two share
// a slot, which no board may ever show.
Arrangement arrangementOf(const Board& board);
// The target dealt into the preview: the tile whose colour each cell shows (0 while white).
Arrangement targetOf(const Round& round);
Arrangement homeArrangement();
// Puts the tiles of a board where `slots` says.
void placeTiles(Board& board, const Arrangement& slots);

// One shuffle sweep with draw 0..3 (right, left, up, down), applied to slot numbers.
void modelSweep(Arrangement& slots, unsigned draw);

// The sliding-puzzle parity rule: the permutation from `from` to `to` (hole counted as a tile)
// has the parity of the hole's row-plus-column distance.
bool reachableByParity(const Arrangement& from, const Arrangement& to);

// Breadth-first search over arrangements; the tiles to click, in order, or none if `to` cannot
// be reached.
std::optional<std::vector<int>> shortestClicks(const Arrangement& from, const Arrangement& to);
