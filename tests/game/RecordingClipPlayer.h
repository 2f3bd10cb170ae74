// Records every clip the round asks for, in order.
#pragma once
#include <algorithm>
#include <vector>

#include "ClipPlayer.h"

class RecordingClipPlayer : public ClipPlayer {
public:
    void PlayClip(int index, bool wait) override
    {
        played.push_back(index);
        waited = waited || wait;
    }
    long count(int index) const { return std::count(played.begin(), played.end(), index); }

    std::vector<int> played;
    bool waited = false;  // no caller may wait for a clip
};
