// Reads the chunks of a RIFF WAVE clip.
#include "WaveData.h"

#include <cstring>
#include <stdexcept>

namespace {

std::uint32_t le32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

std::uint16_t le16(const std::uint8_t* p) { return std::uint16_t(p[0] | p[1] << 8); }

[[noreturn]] void invalid() { throw std::runtime_error("Wave is invalid"); }

}  // namespace

WaveData WaveData::parse(const std::vector<std::uint8_t>& wave)
{
    const std::uint8_t* p = wave.data();
    const std::size_t size = wave.size();
    if (size < 12 || std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0)
        invalid();

    WaveData w;
    std::size_t at = 12;
    while (size - at >= 8) {
        const std::uint8_t* id = p + at;
        const std::size_t length = le32(p + at + 4);
        const std::uint8_t* body = p + at + 8;
        if (length > size - at - 8) invalid();
        if (std::memcmp(id, "fmt ", 4) == 0) {
            if (length < 16) invalid();
            w.HasFormat = true;
            w.FormatTag = le16(body);
            w.Channels = le16(body + 2);
            w.SamplesPerSec = le32(body + 4);
            w.BitsPerSample = le16(body + 14);
        } else if (std::memcmp(id, "data", 4) == 0) {
            w.Samples = body;
            w.SampleBytes = length;
        }
        at += 8 + length;
    }
    return w;
}
