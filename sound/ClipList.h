// The clip list (zvuky): the game's three effects, played through the effects device.
#pragma once
#include <vector>

#include "ClipPlayer.h"
#include "SoundClip.h"

class EffectsDevice;

class ClipList : public ClipPlayer {
public:
    // Reads every clip's wave data; a clip that is not RIFF WAVE fails with "Wave is invalid".
    ClipList(EffectsDevice& device, std::vector<SoundClip> items);

    void PlayClip(int index, bool wait) override;

private:
    // (owned by the sound's implementer)
};
