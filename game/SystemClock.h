// The real clock behind the round's reseeding.
#pragma once
#include "Clock.h"

class SystemClock : public Clock {
public:
    std::uint32_t millisecondsSinceMidnightUtc() const override;
};
