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

RoundRig::Snapshot RoundRig::snapshot() const
{
    const GameState& g = round.state();
    Snapshot s{g.Playing, g.MovedThisClick, g.ShuffleTicks, g.MoveCount, g.BestScore,
               g.ShuffleDirection, g.DealSlot, g.ColourFree, g.SlotMatched,
               arrangementOf(round.board()), {}, {timerOn(TimerId::Timer1), timerOn(TimerId::Timer2), timerOn(TimerId::Timer3)},
               round.label1Caption(), round.label2Caption(), round.label3Caption(),
               round.panel11Visible(), round.panel12Visible()};
    for (int k = 0; k <= 9; ++k)
        s.preview[k] = k == 0 ? 0 : round.previewFill(k);
    return s;
}

int RoundRig::solveWithoutTheLastWatchTick()
{
    const auto clicks = shortestClicks(arrangementOf(round.board()), targetOf(round));
    if (!clicks)
        return -1;
    if (clicks->empty())
        return 0;
    click(std::vector<int>(clicks->begin(), clicks->end() - 1));
    round.PanelClick(clicks->back());
    return static_cast<int>(clicks->size());
}

void PrintTo(const RoundRig::Snapshot& s, std::ostream* out)
{
    const auto none = [](const std::optional<int>& v) { return v ? std::to_string(*v) : std::string("none"); };
    *out << "{Playing " << s.Playing << ", MovedThisClick " << s.MovedThisClick << ", ShuffleTicks "
         << s.ShuffleTicks << ", MoveCount " << s.MoveCount << ", BestScore " << s.BestScore
         << ", ShuffleDirection " << none(s.ShuffleDirection) << ", DealSlot " << none(s.DealSlot)
         << ", ColourFree ";
    for (int k = 1; k <= 9; ++k)
        *out << s.ColourFree[k];
    *out << ", SlotMatched ";
    for (int k = 1; k <= 9; ++k)
        *out << s.SlotMatched[k];
    *out << ", tiles ";
    for (int k = 1; k <= 9; ++k)
        *out << s.tiles[k];
    *out << ", preview " << std::hex;
    for (int k = 1; k <= 9; ++k)
        *out << s.preview[k] << ' ';
    *out << std::dec << ", timers " << s.timersOn[0] << s.timersOn[1] << s.timersOn[2] << ", labels \""
         << s.label1 << "\" \"" << s.label2 << "\" \"" << s.label3 << "\", Panel11 " << s.panel11
         << ", Panel12 " << s.panel12 << "}";
}
