// The harness's own test window, shared by the probe program and the tests that check the harness
// with it: a red window with its top-left corner cut away by the bounding shape.
#pragma once
#include <cstdint>

struct ProbeWindow {
    static constexpr const char* Name = "Probe";
    static constexpr int Left = 412, Top = 324, Width = 200, Height = 120;
    static constexpr int Cut = 20;                     // the missing top-left square
    static constexpr std::uint32_t Colour = 0xFF0000;  // 0xRRGGBB
    // Exit codes: a key press, a mouse button b released (ButtonBase + b), a library that would not load.
    static constexpr int KeyExit = 3;
    static constexpr int ButtonBase = 10;
    static constexpr int LoadFailed = 4;
};
