// A clip's RIFF WAVE data taken apart: the format block and where the sample bytes lie.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct WaveData {
    bool HasFormat = false;
    std::uint16_t FormatTag = 0;
    std::uint16_t Channels = 0;
    std::uint32_t SamplesPerSec = 0;
    std::uint16_t BitsPerSample = 0;
    const std::uint8_t* Samples = nullptr;  // points into the clip's Wave, which outlives this
    std::size_t SampleBytes = 0;

    // "RIFF", a 4-byte length and "WAVE", then chunks of identifier, little-endian length and body;
    // "fmt " is the format block, "data" the samples, any other chunk is skipped. Anything else, or
    // a chunk that runs past the end, fails with "Wave is invalid".
    static WaveData parse(const std::vector<std::uint8_t>& wave);
};
