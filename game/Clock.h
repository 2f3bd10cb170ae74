// Where the round's random source gets its seed at every new game.
#pragma once
#include <cstdint>

class Clock {
public:
    virtual ~Clock() = default;
    // ((hour * 60 + minute) * 60 + second) * 1000 + millisecond, UTC.
    virtual std::uint32_t millisecondsSinceMidnightUtc() const = 0;
};
