// One item of the clip list: a recorded sound kept in memory for the whole run.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct SoundClip {
    std::string Name;
    bool Looped = false;
    int MaxPlayingCount = 0;         // 0: no limit
    std::vector<std::uint8_t> Wave;  // a complete RIFF WAVE file
};
