// The three timers of a round, as the round sees them: an on/off switch each.
#pragma once

enum class TimerId { Timer1, Timer2, Timer3 };

// Periods in milliseconds: shuffle, deal, watch.
inline constexpr int Timer1Interval = 20;
inline constexpr int Timer2Interval = 100;
inline constexpr int Timer3Interval = 1;

class TimerSwitch {
public:
    virtual ~TimerSwitch() = default;
    // Switching on a timer that is already on changes nothing, not even the phase of its period;
    // switching on one that is off starts a fresh period.
    virtual void setEnabled(TimerId timer, bool on) = 0;
    virtual bool enabled(TimerId timer) const = 0;
};
