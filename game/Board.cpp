// The home arrangement and the four slides.
#include "Board.h"

Board::Board()
{
    for (int k = 1; k <= TileCount; ++k)
        tiles_[k - 1] = {slotLeft(k), slotTop(k)};
}

bool Board::slide(int k, Slide slide)
{
    // How far the tile moves; the hole moves the same distance the other way.
    const int dx = slide == Slide::Right ? SlotPitch : slide == Slide::Left ? -SlotPitch : 0;
    const int dy = slide == Slide::Down ? SlotPitch : slide == Slide::Up ? -SlotPitch : 0;
    const TilePosition t = tile(k);
    const TilePosition h = hole();
    if (t.Left + dx != h.Left || t.Top + dy != h.Top)
        return false;
    if (dx != 0) {
        setLeft(k, t.Left + dx);
        setLeft(HoleTile, h.Left - dx);
    } else {
        setTop(k, t.Top + dy);
        setTop(HoleTile, h.Top - dy);
    }
    return true;
}

int Board::sweep(Slide slide)
{
    int slid = 0;
    for (int k = 1; k < HoleTile; ++k)
        slid += this->slide(k, slide) ? 1 : 0;
    return slid;
}
