// The game's sound output opened on OpenAL Soft's loopback device: the test decides when samples
// are mixed and reads exactly what the player would hear.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "ClipList.h"
#include "EffectsDevice.h"

class LoopbackOutput {
public:
    static constexpr int Rate = 44100;

    // Opens the device with the game's three clips, as the window does, or with others.
    LoopbackOutput();
    explicit LoopbackOutput(std::vector<SoundClip> items);

    EffectsDevice device;
    ClipList clips;

    // Mixes the next `frames` stereo frames and appends them to `heard`.
    void render(int frames);
    std::vector<std::int16_t> heard;
};

// Adds `clip` (interleaved stereo) into `mix` from frame `at` on.
void addAt(std::vector<std::int32_t>& mix, const std::vector<std::int16_t>& clip, std::size_t at);
// Whether every sample from index `from` on is zero.
bool silent(const std::vector<std::int16_t>& samples, std::size_t from = 0);
