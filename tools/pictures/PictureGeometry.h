// Sizes of every picture the generator makes, and the colours that the window treats as see-through.
#pragma once
#include <QColor>
#include <QRect>
#include <QSize>

namespace PictureGeometry {

inline constexpr QSize Skin{488, 489};
inline constexpr QSize Tile{81, 81};
inline constexpr QSize Button{82, 28};
inline constexpr QSize SmallButton{20, 20};
inline constexpr QSize Pipe{50, 51};
inline constexpr QSize Counter{56, 52};
inline constexpr QSize Frame{100, 100};
inline constexpr QSize Logo{153, 57};
inline constexpr QSize Best{83, 37};
inline constexpr QSize Victory{120, 30};
inline constexpr QSize Instructions{260, 260};
inline constexpr int DesktopIcon = 256;

// The exit button's see-through corner: a right triangle this many rows high at its bottom left.
inline constexpr int ExitCornerHeight = 9;
// The counter plate's see-through corners: a rounded rectangle of this corner radius.
inline constexpr int CounterRadius = 11;
// Where the help overlay's close button lies within the instructions picture, which keeps it clear.
inline constexpr QRect InstructionsCloseButton{11, 227, 20, 20};

// Pure lime marks the skin's outside and the pipe's ground; it is never seen on screen.
inline constexpr QRgb Lime = 0xFF00FF00;
inline constexpr QRgb Black = 0xFF000000;

}  // namespace PictureGeometry
