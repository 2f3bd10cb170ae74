// The round's three timers over Qt. Timer1 and Timer2 are periodic QTimers. Timer3, the watch, is
// only a switch here: the window runs the watch right after every handler that ran while it is on,
// which sees every state a 1 ms timer would see and costs nothing while nothing happens.
#pragma once
#include <QTimer>

#include "TimerSwitch.h"

class QtTimerSwitch : public TimerSwitch {
public:
    QtTimerSwitch();

    void setEnabled(TimerId timer, bool on) override;
    bool enabled(TimerId timer) const override;

    QTimer& timer1() { return timer1_; }
    QTimer& timer2() { return timer2_; }

private:
    QTimer timer2_;
    QTimer timer1_;
    bool timer3On_ = false;
};
