// A clock the test sets: the round's seed is whatever the test chooses.
#pragma once
#include "Clock.h"

class FakeClock : public Clock {
public:
    std::uint32_t millisecondsSinceMidnightUtc() const override { return ms_; }
    void set(std::uint32_t ms) { ms_ = ms; }

private:
    std::uint32_t ms_ = 0;
};
