// The simulated timers: intervals, time order and the on/off rule.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "SimulatedTimers.h"

namespace {

struct Log {
    SimulatedTimers timers;
    std::vector<std::pair<std::int64_t, int>> ticks;  // (time, timer number)
    Log()
    {
        timers.connect(TimerId::Timer1, [this] { ticks.emplace_back(timers.now(), 1); });
        timers.connect(TimerId::Timer2, [this] { ticks.emplace_back(timers.now(), 2); });
        timers.connect(TimerId::Timer3, [this] { ticks.emplace_back(timers.now(), 3); });
    }
};

}  // namespace

TEST(SimulatedTimers, DeliversEachTimerAtItsIntervalInTimeOrder)
{
    Log log;
    for (TimerId t : {TimerId::Timer3, TimerId::Timer2, TimerId::Timer1})
        log.timers.setEnabled(t, true);
    log.timers.advanceBy(200);
    EXPECT_EQ(log.timers.ticks(TimerId::Timer1), 10);
    EXPECT_EQ(log.timers.ticks(TimerId::Timer2), 2);
    EXPECT_EQ(log.timers.ticks(TimerId::Timer3), 200);
    EXPECT_EQ(log.timers.now(), 200);
    for (std::size_t i = 1; i < log.ticks.size(); ++i) {
        const auto& [before, a] = log.ticks[i - 1];
        const auto& [at, b] = log.ticks[i];
        ASSERT_TRUE(before < at || (before == at && a < b)) << "tick " << i;
    }
    EXPECT_EQ(log.ticks.back(), std::make_pair(std::int64_t{200}, 3));
}

TEST(SimulatedTimers, SwitchingOnARunningTimerKeepsItsPhaseAndAStoppedOneStartsAfresh)
{
    Log log;
    log.timers.setEnabled(TimerId::Timer1, true);
    log.timers.advanceBy(15);
    log.timers.setEnabled(TimerId::Timer1, true);
    log.timers.advanceBy(5);
    ASSERT_EQ(log.ticks.size(), 1u);
    EXPECT_EQ(log.ticks[0].first, 20) << "still on its first period";

    log.timers.advanceBy(10);
    log.timers.setEnabled(TimerId::Timer1, false);
    log.timers.setEnabled(TimerId::Timer1, true);
    EXPECT_EQ(log.timers.step(), TimerId::Timer1);
    EXPECT_EQ(log.ticks.back().first, 50) << "a fresh period from 30";

    log.timers.setEnabled(TimerId::Timer1, false);
    EXPECT_EQ(log.timers.step(), std::nullopt);
    log.timers.advanceBy(1000);
    EXPECT_EQ(log.ticks.size(), 2u);
}

TEST(SimulatedTimers, AHandlerThatThrowsStopsAtItsTickAndTheTimersGoOn)
{
    SimulatedTimers timers;
    int calls = 0;
    timers.connect(TimerId::Timer2, [&] {
        if (++calls == 2)
            throw std::runtime_error("boom");
    });
    timers.setEnabled(TimerId::Timer2, true);
    EXPECT_THROW(timers.advanceBy(1000), std::runtime_error);
    EXPECT_EQ(timers.now(), 200);
    EXPECT_TRUE(timers.enabled(TimerId::Timer2));
    timers.advanceBy(100);
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(timers.now(), 300);
}
