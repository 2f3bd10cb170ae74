// The sound output of the game (DXSound1): one OpenAL device and context shared by the effects and
// the background tune.
#pragma once

class ClipList;

class EffectsDevice {
public:
    EffectsDevice();
    ~EffectsDevice();  // closes the output: every sound stops
    EffectsDevice(const EffectsDevice&) = delete;
    EffectsDevice& operator=(const EffectsDevice&) = delete;

    // Opens the default output and hands every clip of `clips` to it, once. No sound output at all
    // is not a failure: the device stays closed and every play request does nothing.
    void open(ClipList& clips);
    bool isOpen() const;

    // Effects are heard only while the game window is the active window; the tune is not touched.
    void setWindowActive(bool active);

private:
    // (owned by the sound's implementer)
};
