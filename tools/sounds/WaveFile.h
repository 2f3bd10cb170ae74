// Writes 16-bit PCM as a RIFF WAVE file of exactly two chunks: "fmt " (16 bytes) and "data".
#pragma once
#include <cstdint>
#include <vector>

std::vector<std::uint8_t> makeWave(const std::vector<std::int16_t>& samples, int channels,
                                   int sampleRate);
