// The one sound-effect operation the round needs: start a clip of the clip list and go on.
#pragma once

enum Clip : int {
    ClipClick = 0,   // "click": buttons and every new game
    ClipWin = 1,     // "win": the victory
    ClipClick2 = 2,  // "click2": every slide of a tile
};

class ClipPlayer {
public:
    virtual ~ClipPlayer() = default;
    // Starts clip `index` from its beginning; with wait false it returns at once.
    virtual void PlayClip(int index, bool wait) = 0;
};
