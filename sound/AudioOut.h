// The music output (AudioOut1): streams its input on a playback thread of its own, through a
// streaming source on the effects device's context. Destroying it stops the tune at once.
//
// The source is made at StartPlayback, not at construction: the window builds this output before
// the effects device has opened its context. Destroy it before the device.
#pragma once
#include <condition_variable>
#include <mutex>
#include <thread>

#include <AL/al.h>

class EffectsDevice;
class VorbisIn;

class AudioOut {
public:
    // The blocks of samples handed to the output and how many may wait in its queue.
    static constexpr int BlockBytes = 8192;
    static constexpr int QueuedBlocks = 9;

    explicit AudioOut(EffectsDevice& device);
    ~AudioOut();  // destroy: stops without playing what is queued, joins the thread, closes the input
    AudioOut(const AudioOut&) = delete;
    AudioOut& operator=(const AudioOut&) = delete;

    VorbisIn* Input = nullptr;
    int Volume = 255;      // 0..255; every sample is scaled by Volume / 255
    int BaseChannel = 0;   // 0: the effects device's output, the only one there is

    // Prepares on the caller's thread and returns at once; "Component is buisy" when busy,
    // "Input is not assigned" without an input. Nothing else that goes wrong is reported.
    void StartPlayback();

    // From a successful start until the samples end for good or playback fails.
    bool busy() const;
    // Blocks queued on the output that it has not yet reported played, and blocks reported played
    // since the start.
    int blocksInFlight() const;
    long blocksPlayed() const;

private:
    EffectsDevice& device_;

    // Shared by the UI thread, the playback thread and OpenAL's notification thread.
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool busy_ = false;
    bool quit_ = false;
    int inFlight_ = 0;
    int playedPending_ = 0;  // reported played, not yet taken back by the playback thread
    long played_ = 0;
    ALuint source_ = 0;

    // Set by StartPlayback before the playback thread is woken; owned by that thread afterwards.
    VorbisIn* input_ = nullptr;
    int volume_ = 255;
    ALenum format_ = 0;
    ALuint buffers_[QueuedBlocks] = {};
    bool notified_ = false;  // OpenAL reports played blocks; otherwise the thread asks every period
    ALenum completedEvent_ = 0;

    std::thread thread_;  // last: it starts once everything above exists

    void run();
    void play();
    void stream(ALuint source, ALsizei rate);
    void finish();
    static void AL_APIENTRY onEvent(ALenum type, ALuint object, ALuint param, ALsizei length,
                                    const ALchar* message, void* self);
};
