// Time-ordered tick delivery with the on/off rule of real timers.
#include "SimulatedTimers.h"

namespace {
std::size_t indexOf(TimerId timer) { return static_cast<std::size_t>(timer); }
}  // namespace

void SimulatedTimers::connect(TimerId timer, std::function<void()> handler)
{
    timers_[indexOf(timer)].handler = std::move(handler);
}

void SimulatedTimers::setEnabled(TimerId timer, bool on)
{
    Entry& entry = timers_[indexOf(timer)];
    if (on && !entry.on)
        entry.due = now_ + interval(timer);  // a fresh period; one already on keeps its phase
    entry.on = on;
}

bool SimulatedTimers::enabled(TimerId timer) const { return timers_[indexOf(timer)].on; }

std::int64_t SimulatedTimers::ticks(TimerId timer) const { return timers_[indexOf(timer)].ticks; }

void SimulatedTimers::advanceBy(std::int64_t ms)
{
    const std::int64_t end = now_ + ms;
    for (auto next = nextDue(); next && timers_[indexOf(*next)].due <= end; next = nextDue())
        fire(*next);
    now_ = end;
}

std::optional<TimerId> SimulatedTimers::step()
{
    const auto next = nextDue();
    if (next)
        fire(*next);
    return next;
}

int SimulatedTimers::interval(TimerId timer)
{
    switch (timer) {
    case TimerId::Timer1:
        return Timer1Interval;
    case TimerId::Timer2:
        return Timer2Interval;
    case TimerId::Timer3:
        return Timer3Interval;
    }
    return Timer3Interval;
}

std::optional<TimerId> SimulatedTimers::nextDue() const
{
    std::optional<TimerId> next;
    for (TimerId timer : {TimerId::Timer1, TimerId::Timer2, TimerId::Timer3}) {
        const Entry& entry = timers_[indexOf(timer)];
        if (entry.on && (!next || entry.due < timers_[indexOf(*next)].due))
            next = timer;
    }
    return next;
}

void SimulatedTimers::fire(TimerId timer)
{
    Entry& entry = timers_[indexOf(timer)];
    now_ = entry.due;
    // The next period is set before the handler runs, so a handler that switches its own timer
    // off and on again starts a fresh period from now.
    entry.due += interval(timer);
    ++entry.ticks;
    if (entry.handler)
        entry.handler();
}
