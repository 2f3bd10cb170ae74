// Every place and size of the window, in pixels of the parent's client area, written once.
#pragma once
#include <QPoint>
#include <QRect>

namespace Layout {

inline constexpr int WindowWidth = 488;
inline constexpr int WindowHeight = 489;

// Picture-like controls of the window, in creation order (lowest first).
inline constexpr QRect CoolForm1{0, 0, WindowWidth, WindowHeight};
inline constexpr QRect Image11{194, 18, 100, 100};  // the preview's frame
inline constexpr QRect Image10{0, 408, 490, 57};    // the logo strip, 2 px wider than the window
inline constexpr QRect Image12{293, 74, 50, 51};    // the pipe
inline constexpr QRect Image13{344, 416, 20, 20};   // exit
inline constexpr QRect Image14{120, 416, 20, 20};   // minimise
inline constexpr QRect Image15{24, 184, 82, 28};    // new game
inline constexpr QRect Image16{24, 232, 82, 28};    // help
inline constexpr QRect Image18{24, 280, 82, 28};    // exit
inline constexpr QRect Shape10{392, 216, 72, 70};   // the move counter's frame
inline constexpr QRect Image17{400, 225, 56, 52};   // the move counter's plate
inline constexpr QRect Label1{392, 242, 71, 23};    // moves
inline constexpr QRect Image21{112, 56, 83, 37};    // best-score heading
inline constexpr QRect Label3{119, 87, 71, 23};     // best score

// The preview: cell k in row (k - 1) / 3 and column (k - 1) % 3.
inline constexpr QPoint PreviewOrigin{200, 24};
inline constexpr int PreviewPitch = 32;
inline constexpr int PreviewCellSize = 25;
constexpr QRect previewCell(int k)
{
    return {PreviewOrigin.x() + PreviewPitch * ((k - 1) % 3),
            PreviewOrigin.y() + PreviewPitch * ((k - 1) / 3), PreviewCellSize, PreviewCellSize};
}
// The cells are created bottom row first, right to left within a row except the bottom one.
inline constexpr int PreviewCreationOrder[] = {8, 9, 7, 6, 5, 4, 3, 2, 1};

// Panels and the list box of the window, in creation order, above every picture-like control.
inline constexpr QRect Panel10{114, 124, 260, 260};  // the board
inline constexpr QRect Panel11{112, 120, 265, 265};  // the victory overlay
inline constexpr QRect skore{32, 8, 25, 25};
inline constexpr QRect Panel12{112, 120, 265, 265};  // the help overlay
inline constexpr int SkoreItemHeight = 13;

// Inside the board: a tile and its face. Where a tile stands comes from the round's board.
inline constexpr int TileSize = 81;

// Inside the victory overlay.
inline constexpr QRect Image19{2, 89, 261, 30};   // victory heading
inline constexpr QRect Label2{2, 144, 261, 73};   // winning move count
inline constexpr QRect Image20{13, 229, 20, 20};  // closes the overlay by starting a new game

// Inside the help overlay.
inline constexpr QRect Image22{2, 2, 260, 260};   // the instructions
inline constexpr QRect Image23{13, 229, 20, 20};  // closes the help

// Text: character heights of the labels in pixels.
inline constexpr int LabelPixelSize = 16;
inline constexpr int Label2PixelSize = 27;

// Hints: shown after the pointer rests this long, gone after that long (milliseconds).
inline constexpr int HintWakeUpDelay = 500;
inline constexpr int HintDuration = 2500;

}  // namespace Layout
