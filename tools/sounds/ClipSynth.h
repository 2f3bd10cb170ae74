// Synthesises the game's effects: 44100 Hz stereo 16-bit, of the exact lengths the game expects.
#pragma once
#include <cstdint>
#include <vector>

class ClipSynth {
public:
    static constexpr int ClickFrames = 7078;  // 28312 sample bytes, 160.5 ms
    static constexpr int WinFrames = 87296;   // 349184 sample bytes, 1979.5 ms

    // A short crisp click: a bright tick over a soft knock, gone within a few tens of ms.
    static std::vector<std::int16_t> click();
    // A bright victory flourish: a rising major arpeggio of bells landing on a ringing chord.
    static std::vector<std::int16_t> win();
};
