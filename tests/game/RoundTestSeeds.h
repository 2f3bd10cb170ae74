// Clock readings chosen by tests, and the search for rounds whose dealt target can be reached.
#pragma once
#include <cstdint>

#include "Arrangement.h"
#include "ModelLcg.h"

// The board after a shuffle from `from` seeded with `ms`, and the target its deal gives, both
// worked out with the model generator; the draws go on in `draws`.
struct ModelRound {
    Arrangement board;
    Arrangement target;
    int dealTicks = 0;
};

inline ModelRound modelRound(Arrangement from, std::uint32_t ms)
{
    ModelLcg draws{ms};
    for (int tick = 0; tick < 150; ++tick)
        modelSweep(from, draws.next(4));
    ModelRound r{from, {}, 0};
    bool free[10] = {false, true, true, true, true, true, true, true, true, true};
    for (int cell = 1; cell <= 9; ++r.dealTicks) {
        while (cell <= 9) {
            const int colour = static_cast<int>(draws.next(9)) + 1;
            if (cell > 1 && !free[colour])
                break;
            free[colour] = false;
            r.target[cell++] = colour;
        }
    }
    return r;
}

// The first clock reading from `ms` on whose round, started from `from`, can be won, and whose
// target differs from the shuffled board (so it takes at least one move).
inline std::uint32_t winnableSeed(const Arrangement& from, std::uint32_t ms)
{
    for (;; ++ms) {
        const ModelRound r = modelRound(from, ms);
        if (r.board != r.target && reachableByParity(r.board, r.target))
            return ms;
    }
}
