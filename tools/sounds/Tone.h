// Small building blocks shared by the clip and tune synthesis: pitch, envelopes and panning.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <vector>

namespace tone {

constexpr double Rate = 44100.0;
constexpr double TwoPi = 2.0 * std::numbers::pi;

inline double midiHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

// A raised-cosine ramp from 0 to 1 over `length` seconds: no corner, so no click where it starts.
inline double rampUp(double t, double length)
{
    if (t <= 0.0) return 0.0;
    if (t >= length) return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * t / length);
}

// Attack, then the note's own shape, then a raised-cosine release after `hold` seconds.
inline double envelope(double t, double attack, double hold, double release)
{
    return rampUp(t, attack) * (1.0 - rampUp(t - hold, release));
}

// Equal-power panning: 0 is left, 1 right.
inline double leftGain(double pan) { return std::cos(pan * std::numbers::pi / 2.0); }
inline double rightGain(double pan) { return std::sin(pan * std::numbers::pi / 2.0); }

// The largest magnitude over both channels, never zero: what a mix is scaled by to reach its level.
inline double peak(const std::vector<double>& left, const std::vector<double>& right)
{
    double most = 1e-9;
    for (std::size_t i = 0; i < left.size(); ++i)
        most = std::max({most, std::fabs(left[i]), std::fabs(right[i])});
    return most;
}

}  // namespace tone
