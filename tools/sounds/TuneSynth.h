// Synthesises the background tune: sixteen bars at 72 beats a minute (53.3 s), a soft pad, a bass,
// a bell-like melody and, in the second half, a quiet arpeggio, over a gentle chord progression in
// C major. It is written round a circle of exactly one loop, so the last bar's tails fall into the
// first bar and the loop has no seam.
#pragma once
#include <cstddef>
#include <vector>

class TuneSynth {
public:
    static constexpr int Bars = 16;
    static constexpr int BeatFrames = 36750;  // 60 / 72 s at 44100 Hz
    static constexpr std::size_t LoopFrames = std::size_t(Bars) * 4 * BeatFrames;

    // Interleaved stereo in [-1, 1], LoopFrames frames.
    static std::vector<float> render();
};
