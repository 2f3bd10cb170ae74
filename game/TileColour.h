// The nine tile colours as 0x00BBGGRR values; colour k belongs to tile k, colour 9 (black) to the hole.
#pragma once
#include <array>
#include <cstdint>

using Colour = std::uint32_t;

inline constexpr Colour BlankColour = 0xFFFFFF;  // an undealt preview cell: no tile's colour

inline constexpr std::array<Colour, 10> TileColour = {
    0,         // unused: colours are numbered 1..9
    0xB79D39,  // 1 teal
    0x3535B5,  // 2 red
    0x35B435,  // 3 green
    0x49C3E0,  // 4 yellow
    0xB6369A,  // 5 purple
    0xF5FF86,  // 6 aqua
    0x85BDFF,  // 7 peach
    0x868686,  // 8 grey
    0x000000,  // 9 black, the hole
};
