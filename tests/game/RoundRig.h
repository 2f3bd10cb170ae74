// A round wired to a fake clock, a recording clip player and simulated timers, as the window
// wires the real ones.
#pragma once
#include <cstdint>

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

    FakeClock clock;
    RecordingClipPlayer clips;
    SimulatedTimers timers;
    Round round;
};
