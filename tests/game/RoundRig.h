// A round wired to a fake clock, a recording clip player and simulated timers, as the window
// wires the real ones.
#pragma once
#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "Arrangement.h"

#include "FakeClock.h"
#include "RecordingClipPlayer.h"
#include "Round.h"
#include "SimulatedTimers.h"

class RoundRig {
public:
    RoundRig();
    RoundRig(const RoundRig&) = delete;
    RoundRig& operator=(const RoundRig&) = delete;

    // A new game with the clock reading `ms`, the seed of the round's generator.
    void newGameAt(std::uint32_t ms);
    // Runs the timers a millisecond at a time until the deal has opened play; fails the test if
    // that takes longer than a deal possibly can with this generator.
    void runUntilPlaying();
    // Clicks each tile in turn, letting the watch tick after each.
    void click(const std::vector<int>& tiles);

    bool timerOn(TimerId timer) const { return timers.enabled(timer); }

    // Everything of the round but `skore`, to show that a handler changed nothing.
    struct Snapshot {
        bool Playing, MovedThisClick;
        std::int32_t ShuffleTicks, MoveCount, BestScore;
        std::optional<int> ShuffleDirection, DealSlot;
        std::array<bool, 10> ColourFree, SlotMatched;
        Arrangement tiles;
        std::array<Colour, 10> preview;
        std::array<bool, 3> timersOn;
        std::string label1, label2, label3;
        bool panel11, panel12;
        friend bool operator==(const Snapshot&, const Snapshot&) = default;
        friend void PrintTo(const Snapshot& s, std::ostream* out);
    };
    Snapshot snapshot() const;

    // Plays the dealt round to its victory by a shortest solution, stopping before the watch tick
    // that follows the last click. Returns the number of clicks, or -1 if the target cannot be
    // reached from the board.
    int solveWithoutTheLastWatchTick();

    FakeClock clock;
    RecordingClipPlayer clips;
    SimulatedTimers timers;
    Round round;
};
