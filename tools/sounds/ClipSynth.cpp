// The clips are built from decaying sines and a little seeded noise, then scaled to a fixed peak
// so that a click and the victory sound together still stay below full scale.
#include "ClipSynth.h"

#include <cmath>
#include <cstdint>

#include "Tone.h"

namespace {

constexpr double ClickPeak = 0.42;
constexpr double WinPeak = 0.52;

std::vector<std::int16_t> toPcm(const std::vector<double>& left, const std::vector<double>& right,
                                double peak)
{
    const double scale = peak * 32767.0 / tone::peak(left, right);
    std::vector<std::int16_t> out(left.size() * 2);
    for (std::size_t i = 0; i < left.size(); ++i) {
        out[2 * i] = std::int16_t(std::lround(left[i] * scale));
        out[2 * i + 1] = std::int16_t(std::lround(right[i] * scale));
    }
    return out;
}

}  // namespace

std::vector<std::int16_t> ClipSynth::click()
{
    std::vector<double> l(ClickFrames), r(ClickFrames);
    std::uint32_t seed = 20240611u;
    double previousNoise = 0.0;
    for (int n = 0; n < ClickFrames; ++n) {
        const double t = n / tone::Rate;
        seed = seed * 1664525u + 1013904223u;
        const double white = double(seed >> 8) / double(1u << 24) * 2.0 - 1.0;
        const double noise = white - previousNoise;  // a first difference: the hiss's top end only
        previousNoise = white;
        const double tick = std::sin(tone::TwoPi * 2600.0 * t) * std::exp(-t / 0.0025);
        // The knock's pitch falls a little as it dies, like a small wooden block.
        const double knockPhase = tone::TwoPi * (190.0 * t - 900.0 * t * t);
        const double knock = std::sin(knockPhase) * std::exp(-t / 0.011);
        const double v = (0.55 * tick + 0.45 * knock + 0.25 * noise * std::exp(-t / 0.0012)) *
                         tone::envelope(t, 0.0004, 0.140, 0.020);
        l[std::size_t(n)] = v;
        r[std::size_t(n)] = v;
    }
    return toPcm(l, r, ClickPeak);
}

std::vector<std::int16_t> ClipSynth::win()
{
    std::vector<double> l(WinFrames), r(WinFrames);
    // A bell: a few partials, the upper ones dying sooner; it starts at `at` seconds.
    const auto bell = [&](double at, double note, double level, double pan, double decay) {
        const double f = tone::midiHz(note);
        const auto first = std::size_t(at * tone::Rate);
        for (std::size_t n = first; n < l.size(); ++n) {
            const double t = (double(n) - double(first)) / tone::Rate;
            const double v =
                (std::sin(tone::TwoPi * f * t) +
                 0.35 * std::sin(tone::TwoPi * 2.0 * f * t) * std::exp(-t / (0.5 * decay)) +
                 0.12 * std::sin(tone::TwoPi * 3.0 * f * t) * std::exp(-t / (0.3 * decay)) +
                 0.06 * std::sin(tone::TwoPi * 4.2 * f * t) * std::exp(-t / (0.15 * decay))) *
                std::exp(-t / decay) * tone::rampUp(t, 0.003) * level;
            l[n] += v * tone::leftGain(pan);
            r[n] += v * tone::rightGain(pan);
        }
    };
    // Up the C major arpeggio, from left to right...
    const double arpeggio[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i) bell(0.085 * i, arpeggio[i], 0.55, 0.3 + 0.13 * i, 0.45);
    // ...onto a wide chord that rings, with two sparkles above it.
    const double chord[] = {60, 67, 72, 76, 79, 84};
    for (int i = 0; i < 6; ++i) bell(0.36, chord[i], 0.32, 0.2 + 0.12 * i, 0.75);
    bell(0.44, 88, 0.22, 0.75, 0.35);
    bell(0.52, 91, 0.18, 0.25, 0.35);
    // Everything fades to silence before the clip's last sample.
    for (std::size_t n = 0; n < l.size(); ++n) {
        const double t = double(n) / tone::Rate;
        const double fade = 1.0 - tone::rampUp(t - 1.45, 0.50);
        l[n] *= fade;
        r[n] *= fade;
    }
    return toPcm(l, r, WinPeak);
}
