// Streams the tune: the playback thread decodes, scales and queues blocks on an OpenAL streaming
// source; OpenAL's event thread reports played blocks, which wakes the playback thread. Between
// reports the playback thread sleeps on a condition variable, and while idle it sleeps for good.
#define AL_ALEXT_PROTOTYPES
#include "AudioOut.h"

#include <AL/alc.h>
#include <AL/alext.h>

#include <chrono>
#include <pthread.h>
#include <stdexcept>
#include <vector>

#include "EffectsDevice.h"
#include "VolumeScale.h"
#include "VorbisIn.h"

namespace {

// OpenAL Soft 1.19 offers its played-buffer events as the experimental AL_SOFTX_events; later
// releases as AL_SOFT_events, with other enum values.
constexpr ALenum CompletedSoftx = 0x1222;
constexpr ALenum CompletedSoft = 0x19A4;
using EventProc = void(AL_APIENTRY*)(ALenum, ALuint, ALuint, ALsizei, const ALchar*, void*);
using EventControlProc = void(AL_APIENTRY*)(ALsizei, const ALenum*, ALboolean);
using EventCallbackProc = void(AL_APIENTRY*)(EventProc, void*);

// Without events, how often the playback thread asks for played blocks: a block lasts 46 ms or more.
constexpr auto PollPeriod = std::chrono::milliseconds(20);

}  // namespace

AudioOut::AudioOut(EffectsDevice& device) : device_(device), thread_(&AudioOut::run, this) {}

AudioOut::~AudioOut()
{
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        // At once, without playing what is queued; the playback thread releases the rest.
        if (source_ != 0) alSourceStop(source_);
    }
    wake_.notify_all();
    thread_.join();
    if (notified_) {
        // Returns only once a report in progress has finished, so none reaches a gone object.
        auto callback = reinterpret_cast<EventCallbackProc>(alGetProcAddress("alEventCallbackSOFT"));
        callback(nullptr, nullptr);
    }
}

void AudioOut::StartPlayback()
{
    {
        std::lock_guard lock(mutex_);
        if (busy_) throw std::runtime_error("Component is buisy");
    }
    if (Input == nullptr) throw std::runtime_error("Input is not assigned");

    // Preparing: whatever fails here leaves the output idle, silently.
    if (!Input->open()) return;
    const int channels = Input->channels();
    format_ = channels == 1 ? AL_FORMAT_MONO16 : channels == 2 ? AL_FORMAT_STEREO16 : AL_NONE;
    if (format_ == AL_NONE || BaseChannel != 0 || !device_.isOpen()) {
        Input->close();
        return;
    }
    alGetError();
    ALuint source = 0;
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR) {
        Input->close();
        return;
    }
    alGenBuffers(QueuedBlocks, buffers_);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteSources(1, &source);
        Input->close();
        return;
    }
    if (alIsExtensionPresent("AL_SOFT_direct_channels") == AL_TRUE)
        alSourcei(source, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);

    if (!notified_) {
        completedEvent_ = alIsExtensionPresent("AL_SOFT_events") == AL_TRUE      ? CompletedSoft
                          : alIsExtensionPresent("AL_SOFTX_events") == AL_TRUE ? CompletedSoftx
                                                                               : AL_NONE;
        auto control = reinterpret_cast<EventControlProc>(alGetProcAddress("alEventControlSOFT"));
        auto callback = reinterpret_cast<EventCallbackProc>(alGetProcAddress("alEventCallbackSOFT"));
        if (completedEvent_ != AL_NONE && control != nullptr && callback != nullptr) {
            callback(&AudioOut::onEvent, this);
            control(1, &completedEvent_, AL_TRUE);
            notified_ = alGetError() == AL_NO_ERROR;
        }
    }

    {
        std::lock_guard lock(mutex_);
        input_ = Input;
        volume_ = Volume < 0 ? 0 : Volume > 255 ? 255 : Volume;
        source_ = source;
        inFlight_ = 0;
        playedPending_ = 0;
        played_ = 0;
        busy_ = true;
    }
    wake_.notify_all();
}

bool AudioOut::busy() const
{
    std::lock_guard lock(mutex_);
    return busy_;
}

int AudioOut::blocksInFlight() const
{
    std::lock_guard lock(mutex_);
    return inFlight_;
}

long AudioOut::blocksPlayed() const
{
    std::lock_guard lock(mutex_);
    return played_;
}

void AL_APIENTRY AudioOut::onEvent(ALenum type, ALuint object, ALuint param, ALsizei,
                                   const ALchar*, void* self)
{
    auto* out = static_cast<AudioOut*>(self);
    {
        std::lock_guard lock(out->mutex_);
        if (type != out->completedEvent_ || object != out->source_ || object == 0) return;
        out->inFlight_ -= int(param);
        out->playedPending_ += int(param);
        out->played_ += long(param);
    }
    out->wake_.notify_all();
}

void AudioOut::run()
{
    pthread_setname_np(pthread_self(), "tavlo-music");  // to find it in the process's thread list
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return quit_ || busy_; });
        if (busy_) {
            // Also when destroyed right after a start: play() sees quit_ and releases everything.
            lock.unlock();
            play();
            lock.lock();
        } else {
            return;
        }
    }
}

void AudioOut::play()
{
    alcSetThreadContext(device_.context());
    const ALuint source = source_;  // written before the wake-up, unchanged while busy
    const auto rate = ALsizei(input_->sampleRate());
    try {
        stream(source, rate);
    } catch (...) {
        // Any failure in playback ends it quietly, like the end of the samples.
    }
    finish();
}

void AudioOut::stream(ALuint source, ALsizei rate)
{
    std::vector<std::uint8_t> block(BlockBytes);
    std::vector<ALuint> free(buffers_, buffers_ + QueuedBlocks);
    bool ended = false;

    for (;;) {
        int played = 0;
        {
            std::unique_lock lock(mutex_);
            const auto ready = [&] {
                return quit_ || playedPending_ > 0 || (!ended && !free.empty()) ||
                       (ended && inFlight_ <= 0);
            };
            if (notified_)
                wake_.wait(lock, ready);
            else
                wake_.wait_for(lock, PollPeriod, ready);
            if (quit_ || (ended && inFlight_ <= 0)) break;
            played = playedPending_;
            playedPending_ = 0;
        }
        if (!notified_) {
            ALint processed = 0;
            alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed);
            played = processed;
            std::lock_guard lock(mutex_);
            inFlight_ -= played;
            played_ += played;
        }
        if (played > 0) {
            ALuint done[QueuedBlocks];
            alSourceUnqueueBuffers(source, played, done);
            free.insert(free.end(), done, done + played);
        }
        if (ended || free.empty()) continue;

        const std::size_t got = input_->read(block.data(), BlockBytes);
        ended = got < std::size_t(BlockBytes);
        if (got == 0) continue;
        scaleBlock(block.data(), got, volume_);
        const ALuint b = free.back();
        free.pop_back();
        alGetError();
        alBufferData(b, format_, block.data(), ALsizei(got), rate);
        if (alGetError() != AL_NO_ERROR) return;  // the output refused the samples: playback fails
        std::lock_guard lock(mutex_);
        ++inFlight_;
        alSourceQueueBuffers(source, 1, &b);
        // Starts once the queue is full (or the samples ended), and again after a stall ran it dry.
        if (!quit_ && (free.empty() || ended)) {
            ALint state = AL_STOPPED;
            alGetSourcei(source, AL_SOURCE_STATE, &state);
            if (state != AL_PLAYING) alSourcePlay(source);
        }
    }
}

void AudioOut::finish()
{
    ALuint source = 0;
    {
        std::lock_guard lock(mutex_);
        source = source_;
        source_ = 0;  // later reports of this source are ignored
    }
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, 0);
    alDeleteSources(1, &source);
    alDeleteBuffers(QueuedBlocks, buffers_);
    input_->close();
    alcSetThreadContext(nullptr);
    std::lock_guard lock(mutex_);
    inFlight_ = 0;
    playedPending_ = 0;
    busy_ = false;
}
