// The board: where the nine tiles stand inside the board container, in pixels.
// Slot k (1..9, row by row from the top left) lies at Left = 1 + 88 * column, Top = 1 + 88 * row.
#pragma once
#include <array>

inline constexpr int SlotPitch = 88;
inline constexpr int TileCount = 9;
inline constexpr int HoleTile = 9;  // Panel9, the black tile: the hole is wherever it stands

constexpr int slotLeft(int slot) { return 1 + SlotPitch * ((slot - 1) % 3); }
constexpr int slotTop(int slot) { return 1 + SlotPitch * ((slot - 1) / 3); }

// The four slides, named by the way the coloured tile moves; the hole moves the other way.
// The values are the shuffle's draws.
enum class Slide : int { Right = 0, Left = 1, Up = 2, Down = 3 };

struct TilePosition {
    int Left = 0;
    int Top = 0;
    friend bool operator==(const TilePosition&, const TilePosition&) = default;
};

class Board {
public:
    // The home arrangement: tile k in slot k.
    Board();

    TilePosition tile(int k) const { return tiles_[k - 1]; }
    TilePosition hole() const { return tile(HoleTile); }
    // One coordinate per write, as every slide is made.
    void setLeft(int k, int left) { tiles_[k - 1].Left = left; }
    void setTop(int k, int top) { tiles_[k - 1].Top = top; }

    // Slides coloured tile k (1..8) into the hole when it stands where `slide` needs it: first
    // the tile's coordinate is written, then the hole's. Returns whether it slid. Both the
    // player's clicks and the shuffle move tiles only through here.
    bool slide(int k, Slide slide);

    // The shuffle's sweep: tries every coloured tile once, in number order, against the hole as it
    // stands when the tile's turn comes. A slide moves the hole, so a later tile can follow in the
    // same sweep; a row or column holds three slots, so at most two tiles slide. Returns how many.
    int sweep(Slide slide);

private:
    std::array<TilePosition, TileCount> tiles_;
};
