// The home arrangement and the four slides.
#include "Board.h"

Board::Board()
{
    for (int k = 1; k <= TileCount; ++k)
        tiles_[k - 1] = {slotLeft(k), slotTop(k)};
}

bool Board::slide(int k, Slide slide)
{
    const TilePosition t = tile(k);
    const TilePosition h = hole();
    switch (slide) {
    case Slide::Right:
        if (t.Left + SlotPitch != h.Left || t.Top != h.Top)
            return false;
        setLeft(k, t.Left + SlotPitch);
        setLeft(HoleTile, h.Left - SlotPitch);
        return true;
    case Slide::Left:
        if (t.Left - SlotPitch != h.Left || t.Top != h.Top)
            return false;
        setLeft(k, t.Left - SlotPitch);
        setLeft(HoleTile, h.Left + SlotPitch);
        return true;
    case Slide::Up:
        if (t.Top - SlotPitch != h.Top || t.Left != h.Left)
            return false;
        setTop(k, t.Top - SlotPitch);
        setTop(HoleTile, h.Top + SlotPitch);
        return true;
    case Slide::Down:
        if (t.Top + SlotPitch != h.Top || t.Left != h.Left)
            return false;
        setTop(k, t.Top + SlotPitch);
        setTop(HoleTile, h.Top - SlotPitch);
        return true;
    }
    return false;
}

int Board::sweep(Slide slide)
{
    int slid = 0;
    for (int k = 1; k < HoleTile; ++k)
        slid += this->slide(k, slide) ? 1 : 0;
    return slid;
}
