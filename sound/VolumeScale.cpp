// Scales the tune's blocks by the output's volume.
#include "VolumeScale.h"

void scaleBlock(std::uint8_t* bytes, std::size_t size, int volume)
{
    if (volume >= 255) return;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const auto s = std::int16_t(std::uint16_t(bytes[i] | bytes[i + 1] << 8));
        const auto v = std::uint16_t(scaleSample(s, volume < 0 ? 0 : volume));
        bytes[i] = std::uint8_t(v & 0xFF);
        bytes[i + 1] = std::uint8_t(v >> 8);
    }
}
