// Switching a running QTimer on again would restart its period, so an active timer is left alone.
#include "QtTimerSwitch.h"

QtTimerSwitch::QtTimerSwitch()
{
    timer2_.setInterval(Timer2Interval);
    timer1_.setInterval(Timer1Interval);
    // The shuffle's 20 ms steps are what the player sees move; keep them even.
    timer1_.setTimerType(Qt::PreciseTimer);
}

void QtTimerSwitch::setEnabled(TimerId timer, bool on)
{
    if (timer == TimerId::Timer3) {
        timer3On_ = on;
        return;
    }
    QTimer& t = timer == TimerId::Timer1 ? timer1_ : timer2_;
    if (!on)
        t.stop();
    else if (!t.isActive())
        t.start();
}

bool QtTimerSwitch::enabled(TimerId timer) const
{
    switch (timer) {
    case TimerId::Timer1:
        return timer1_.isActive();
    case TimerId::Timer2:
        return timer2_.isActive();
    case TimerId::Timer3:
        break;
    }
    return timer3On_;
}
