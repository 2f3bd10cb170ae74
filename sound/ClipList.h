// The clip list (zvuky): the game's three effects, played through the effects device.
#pragma once
#include <vector>

#include <AL/al.h>

#include "ClipPlayer.h"
#include "SoundClip.h"
#include "WaveData.h"

class EffectsDevice;

class ClipList : public ClipPlayer {
public:
    // Reads every clip's wave data; a clip that is not RIFF WAVE fails with "Wave is invalid".
    ClipList(EffectsDevice& device, std::vector<SoundClip> items);
    ~ClipList() override;
    ClipList(const ClipList&) = delete;
    ClipList& operator=(const ClipList&) = delete;

    // Starts a new instance of clip `index` and returns at once (with wait, once it has stopped).
    // Nothing happens while the device is closed, for a clip the output refused, or a bad index.
    void PlayClip(int index, bool wait) override;

    // Called by the device as it opens: hands each clip with samples to the output, in order.
    void load();

    const std::vector<SoundClip>& items() const { return items_; }

private:
    EffectsDevice& device_;
    std::vector<SoundClip> items_;
    std::vector<WaveData> waves_;
    std::vector<ALuint> buffers_;  // 0: not handed to the output, or refused by it
};
