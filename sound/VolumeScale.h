// The music output's software level: a 16-bit sample scaled by volume / 255 to the nearest integer.
#pragma once
#include <cstddef>
#include <cstdint>

// 2 * s * volume is even and 255 * (2k + 1) is odd, so the exact quotient is never a half:
// rounding half away from zero is simply rounding to the nearest.
constexpr std::int16_t scaleSample(std::int16_t s, int volume)
{
    const std::int32_t twice = 2 * std::int32_t(s) * volume;
    return std::int16_t((twice + (twice >= 0 ? 255 : -255)) / 510);
}

// Scales a block of 16-bit little-endian samples in place; 255 leaves them untouched.
void scaleBlock(std::uint8_t* bytes, std::size_t size, int volume);
