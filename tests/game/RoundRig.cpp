// Wiring of the test round.
#include "RoundRig.h"

#include <stdexcept>

RoundRig::RoundRig() : round(clips, timers, clock)
{
    timers.connect(TimerId::Timer1, [this] { round.Timer1Timer(); });
    timers.connect(TimerId::Timer2, [this] { round.Timer2Timer(); });
    timers.connect(TimerId::Timer3, [this] { round.Timer3Timer(); });
}

void RoundRig::newGameAt(std::uint32_t ms)
{
    clock.set(ms);
    round.FormCreate();
}

void RoundRig::runUntilPlaying()
{
    // 3 s of shuffle, then a deal tick every 100 ms; a minute is far beyond any deal seen.
    for (int ms = 0; ms < 60000 && !round.state().Playing; ++ms)
        timers.advanceBy(1);
    if (!round.state().Playing)
        throw std::runtime_error("the deal never opened play");
}

void RoundRig::click(const std::vector<int>& tiles)
{
    for (int tile : tiles) {
        round.PanelClick(tile);
        timers.advanceBy(1);
    }
}
