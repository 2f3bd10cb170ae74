// Milliseconds since midnight UTC from the system clock.
#include "SystemClock.h"

#include <chrono>

std::uint32_t SystemClock::millisecondsSinceMidnightUtc() const
{
    using namespace std::chrono;
    // system_clock counts Unix time, whose days are exactly 86,400 s long, so the remainder of a
    // day is the time of day in UTC.
    const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
    const auto sinceMidnight = sinceEpoch - floor<days>(sinceEpoch);
    return static_cast<std::uint32_t>(sinceMidnight.count());
}
