// The round's state: one instance for the program, all zero, false or none at start.
#pragma once
#include <array>
#include <cstdint>
#include <optional>

struct GameState {
    bool Playing = false;
    bool MovedThisClick = false;
    std::int32_t ShuffleTicks = 0;
    std::optional<int> ShuffleDirection;  // 0 slide right, 1 slide left, 2 slide up, 3 slide down
    std::optional<int> DealSlot;          // 1..9: the preview slot waiting for its colour
    std::array<bool, 10> ColourFree{};    // indexed by colour 1..9; [0] unused
    std::array<bool, 10> SlotMatched{};   // indexed by slot 1..9; [0] unused
    std::int32_t MoveCount = 0;
    std::int32_t BestScore = 0;
};
