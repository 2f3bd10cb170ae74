// Bounded waiting: the window tests poll a condition until a generous time limit instead of
// sleeping for a fixed time, so a slow machine only makes them slower, never wrong.
#pragma once
#include <chrono>
#include <thread>

class Poll {
public:
    // Calls condition until its result tests true or the timeout passes; returns the last result.
    template <class Condition>
    static auto until(Condition condition, std::chrono::milliseconds timeout,
                      std::chrono::milliseconds interval = std::chrono::milliseconds(10))
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        auto result = condition();
        while (!result && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(interval);
            result = condition();
        }
        return result;
    }
};
