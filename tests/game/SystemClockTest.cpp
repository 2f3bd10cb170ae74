// The real clock reads the time of day in UTC.
#include <gtest/gtest.h>

#include <ctime>

#include "SystemClock.h"

namespace {
long secondOfDayUtc(std::time_t t)
{
    std::tm parts{};
    gmtime_r(&t, &parts);
    return (parts.tm_hour * 60L + parts.tm_min) * 60L + parts.tm_sec;
}
}  // namespace

TEST(SystemClock, GivesMillisecondsSinceMidnightUtc)
{
    const SystemClock clock;
    const std::time_t before = std::time(nullptr);
    const std::uint32_t ms = clock.millisecondsSinceMidnightUtc();
    const std::time_t after = std::time(nullptr);
    EXPECT_LT(ms, 86400000u);
    const long second = static_cast<long>(ms / 1000);
    EXPECT_TRUE(second == secondOfDayUtc(before) || second == secondOfDayUtc(after)) << ms;
}
