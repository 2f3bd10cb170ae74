// The clips' file format.
#include "WaveFile.h"

#include <cstring>

namespace {

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
}

void put16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void putId(std::vector<std::uint8_t>& out, const char* id)
{
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(id[i]));
}

}  // namespace

std::vector<std::uint8_t> makeWave(const std::vector<std::int16_t>& samples, int channels,
                                   int sampleRate)
{
    const auto dataBytes = std::uint32_t(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    putId(out, "RIFF");
    put32(out, 36 + dataBytes);
    putId(out, "WAVE");
    putId(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, std::uint16_t(channels));
    put32(out, std::uint32_t(sampleRate));
    put32(out, std::uint32_t(sampleRate * channels * 2));
    put16(out, std::uint16_t(channels * 2));
    put16(out, 16);
    putId(out, "data");
    put32(out, dataBytes);
    for (std::int16_t s : samples) put16(out, std::uint16_t(s));
    return out;
}
