// The three timers on a simulated clock, for tests and benchmarks: ticks are delivered in time
// order, at 20, 100 and 1 ms, only when the caller advances the clock, so a whole round runs
// deterministically and as fast as the machine allows.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "TimerSwitch.h"

class SimulatedTimers : public TimerSwitch {
public:
    // The handler that receives `timer`'s ticks (usually a Round's Timer1Timer and so on).
    void connect(TimerId timer, std::function<void()> handler);

    void setEnabled(TimerId timer, bool on) override;
    bool enabled(TimerId timer) const override;

    std::int64_t now() const { return now_; }
    // Ticks delivered so far to `timer`.
    std::int64_t ticks(TimerId timer) const;

    // Delivers, in time order, every tick due up to now() + ms, then sets the clock there. Ticks
    // due at the same moment go in the order Timer1, Timer2, Timer3. A handler's exception leaves
    // the clock at that tick and goes to the caller; the timers stay as the handler left them.
    void advanceBy(std::int64_t ms);
    // Delivers the next due tick of any timer that is on and returns its timer; none when all
    // three are off.
    std::optional<TimerId> step();

private:
    struct Entry {
        std::function<void()> handler;
        bool on = false;
        std::int64_t due = 0;
        std::int64_t ticks = 0;
    };
    static int interval(TimerId timer);
    std::optional<TimerId> nextDue() const;
    void fire(TimerId timer);

    std::array<Entry, 3> timers_;
    std::int64_t now_ = 0;
};
