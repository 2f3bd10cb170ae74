// The music output (AudioOut1): streams its input on a playback thread of its own, through a
// streaming source on the effects device's context. Destroying it stops the tune at once.
#pragma once

class EffectsDevice;
class VorbisIn;

class AudioOut {
public:
    explicit AudioOut(EffectsDevice& device);
    ~AudioOut();  // destroy: stops without playing what is queued, joins the thread, closes the input
    AudioOut(const AudioOut&) = delete;
    AudioOut& operator=(const AudioOut&) = delete;

    VorbisIn* Input = nullptr;
    int Volume = 255;      // 0..255; every sample is scaled by Volume / 255
    int BaseChannel = 0;

    // Prepares on the caller's thread and returns at once; "Component is buisy" when busy,
    // "Input is not assigned" without an input. Nothing else that goes wrong is reported.
    void StartPlayback();

private:
    // (owned by the sound's implementer)
};
