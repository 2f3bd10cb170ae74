// The board: where the nine tiles stand inside the board container, in pixels.
// Slot k (1..9, row by row from the top left) lies at Left = 1 + 88 * column, Top = 1 + 88 * row.
#pragma once
#include <array>

inline constexpr int SlotPitch = 88;
inline constexpr int TileCount = 9;
inline constexpr int HoleTile = 9;  // Panel9, the black tile: the hole is wherever it stands

constexpr int slotLeft(int slot) { return 1 + SlotPitch * ((slot - 1) % 3); }
constexpr int slotTop(int slot) { return 1 + SlotPitch * ((slot - 1) / 3); }

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

private:
    std::array<TilePosition, TileCount> tiles_;
};
