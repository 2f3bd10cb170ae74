// Opens OpenAL Soft for the effects (and the tune), keeps one buffer per clip and a pool of sources,
// and starts instances on a starter thread so that a request never waits for the mixer.
#define AL_ALEXT_PROTOTYPES
#include "EffectsDevice.h"

#include <AL/alext.h>

#include <pthread.h>

#include <stdexcept>

#include "ClipList.h"
#include "WaveData.h"

namespace {

// Enough instances for any burst of slides; the pool grows up to the cap only when all are busy.
constexpr std::size_t FirstSources = 16;
constexpr std::size_t MaxSources = 128;

ALenum formatOf(const WaveData& w)
{
    if (!w.HasFormat || w.FormatTag != 1) return AL_NONE;
    if (w.Channels == 1 && w.BitsPerSample == 8) return AL_FORMAT_MONO8;
    if (w.Channels == 1 && w.BitsPerSample == 16) return AL_FORMAT_MONO16;
    if (w.Channels == 2 && w.BitsPerSample == 8) return AL_FORMAT_STEREO8;
    if (w.Channels == 2 && w.BitsPerSample == 16) return AL_FORMAT_STEREO16;
    return AL_NONE;
}

}  // namespace

EffectsDevice::EffectsDevice() : EffectsDevice(Settings{}) {}

EffectsDevice::EffectsDevice(const Settings& settings) : settings_(settings) {}

EffectsDevice::~EffectsDevice()
{
    if (context_ == nullptr) return;
    {
        std::lock_guard lock(mutex_);
        stop_ = true;  // requests not yet carried out are dropped: the output closes anyway
    }
    wake_.notify_all();
    done_.notify_all();
    starter_.join();
    alcMakeContextCurrent(context_);
    for (ALuint s : sources_) alSourceStop(s);
    alDeleteSources(ALsizei(sources_.size()), sources_.data());
    alDeleteBuffers(ALsizei(buffers_.size()), buffers_.data());
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context_);
    alcCloseDevice(device_);
}

void EffectsDevice::open(ClipList& clips)
{
    if (context_ != nullptr) return;
    const ALCint frequency = settings_.Frequency;
    if (settings_.Loopback) {
        device_ = alcLoopbackOpenDeviceSOFT(nullptr);
        if (device_ == nullptr) return;
        const ALCint attrs[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT,
                                ALC_SHORT_SOFT, ALC_FREQUENCY, frequency, 0};
        context_ = alcCreateContext(device_, attrs);
    } else {
        device_ = alcOpenDevice(settings_.DeviceName.empty() ? nullptr
                                                                : settings_.DeviceName.c_str());
        if (device_ == nullptr) return;
        const ALCint attrs[] = {ALC_FREQUENCY, frequency, ALC_REFRESH, settings_.Refresh, 0};
        context_ = alcCreateContext(device_, attrs);
    }
    if (context_ == nullptr || alcMakeContextCurrent(context_) == ALC_FALSE) {
        if (context_ != nullptr) alcDestroyContext(context_);
        context_ = nullptr;
        alcCloseDevice(device_);
        device_ = nullptr;
        throw std::runtime_error("Primary Buffer cannot be made");
    }
    // Direct channels put a stereo clip's left and right on the output's left and right unchanged,
    // instead of panning them as virtual speakers.
    directChannels_ = alIsExtensionPresent("AL_SOFT_direct_channels") == AL_TRUE;
    sources_.resize(FirstSources);
    alGenSources(ALsizei(sources_.size()), sources_.data());
    if (alGetError() != AL_NO_ERROR) sources_.clear();
    for (ALuint s : sources_)
        if (directChannels_) alSourcei(s, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
    clips.load();
    instances_.resize(clips.items().size());
    lastStarted_ = std::vector<std::atomic<ALuint>>(clips.items().size());
    queue_.reserve(64);
    starter_ = std::thread(&EffectsDevice::runStarter, this);
}

bool EffectsDevice::isOpen() const { return context_ != nullptr; }

ALuint EffectsDevice::makeBuffer(const WaveData& wave)
{
    const ALenum format = formatOf(wave);
    if (context_ == nullptr || format == AL_NONE || wave.SampleBytes == 0) return 0;
    alGetError();
    ALuint b = 0;
    alGenBuffers(1, &b);
    if (alGetError() != AL_NO_ERROR) return 0;
    alBufferData(b, format, wave.Samples, ALsizei(wave.SampleBytes), ALsizei(wave.SamplesPerSec));
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &b);
        return 0;
    }
    buffers_.push_back(b);
    return b;
}

void EffectsDevice::setWindowActive(bool active)
{
    if (context_ != nullptr) post(Request{Request::SetActive, 0, 0, false, 0, active});
}

void EffectsDevice::play(ALuint buffer, int clip, bool looped, int limit)
{
    if (context_ != nullptr && buffer != 0)
        post(Request{Request::Play, buffer, clip, looped, limit, false});
}

void EffectsDevice::post(const Request& r)
{
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(r);
        ++posted_;
    }
    wake_.notify_one();
}

void EffectsDevice::flush()
{
    if (context_ == nullptr) return;
    std::unique_lock lock(mutex_);
    const std::uint64_t target = posted_;
    done_.wait(lock, [&] { return carriedOut_ >= target || stop_; });
}

bool EffectsDevice::lastInstanceSounding(int clip)
{
    if (context_ == nullptr || clip < 0 || std::size_t(clip) >= lastStarted_.size()) return false;
    const ALuint source = lastStarted_[std::size_t(clip)].load();
    ALint state = AL_STOPPED;
    if (source != 0) alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

void EffectsDevice::render(std::int16_t* out, int frames)
{
    if (!settings_.Loopback || device_ == nullptr) return;
    flush();
    alcRenderSamplesSOFT(device_, out, frames);
}

void EffectsDevice::runStarter()
{
    pthread_setname_np(pthread_self(), "tavlo-effects");
    // Woken by every request: as a batch thread it does not take the caller's processor at once,
    // so the request returns first and the start follows a moment later.
    const sched_param none{};
    pthread_setschedparam(pthread_self(), SCHED_BATCH, &none);
    alcSetThreadContext(context_);
    std::vector<Request> batch;
    batch.reserve(64);
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stop_ || !queue_.empty(); });
        if (stop_) break;
        batch.swap(queue_);
        lock.unlock();
        for (const Request& r : batch) carryOut(r);
        lock.lock();
        carriedOut_ += batch.size();
        batch.clear();
        done_.notify_all();
    }
    alcSetThreadContext(nullptr);
}

void EffectsDevice::carryOut(const Request& r)
{
    if (r.kind == Request::SetActive) {
        active_ = r.active;
        for (ALuint s : sources_) alSourcef(s, AL_GAIN, gain());
        return;
    }
    ALuint source = 0;
    if (r.looped || r.limit > 0) {
        auto& mine = instances_[std::size_t(r.clip)];
        std::erase_if(mine, [&](ALuint s) { return !isSounding(s, r.buffer); });
        const std::size_t limit = r.looped ? 1 : std::size_t(r.limit);
        if (mine.size() >= limit) {
            // A looped clip restarts its one instance; a limited one restarts its oldest.
            source = mine.front();
            mine.erase(mine.begin());
            alSourceRewind(source);
            alSourcef(source, AL_GAIN, gain());
            alSourcePlay(source);
            mine.push_back(source);
            lastStarted_[std::size_t(r.clip)] = source;
            return;
        }
    }
    source = takeSource();
    if (source == 0) return;
    alSourcei(source, AL_BUFFER, ALint(r.buffer));
    alSourcei(source, AL_LOOPING, r.looped ? AL_TRUE : AL_FALSE);
    alSourcef(source, AL_GAIN, gain());
    alSourcePlay(source);
    if (r.looped || r.limit > 0) instances_[std::size_t(r.clip)].push_back(source);
    lastStarted_[std::size_t(r.clip)] = source;
}

ALuint EffectsDevice::takeSource()
{
    // The next source in start order is the one started longest ago, so usually already silent.
    for (std::size_t tried = 0; tried < sources_.size(); ++tried) {
        const ALuint s = sources_[next_];
        next_ = (next_ + 1) % sources_.size();
        ALint state = AL_STOPPED;
        alGetSourcei(s, AL_SOURCE_STATE, &state);
        if (state != AL_PLAYING) return s;
    }
    if (sources_.size() < MaxSources) {
        alGetError();
        ALuint s = 0;
        alGenSources(1, &s);
        if (alGetError() == AL_NO_ERROR) {
            if (directChannels_) alSourcei(s, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
            sources_.insert(sources_.begin() + std::ptrdiff_t(next_), s);
            next_ = (next_ + 1) % sources_.size();
            return s;
        }
    }
    if (sources_.empty()) return 0;
    // Every source sounds and no more can be made: the oldest instance gives way.
    const ALuint s = sources_[next_];
    next_ = (next_ + 1) % sources_.size();
    alSourceStop(s);
    return s;
}

bool EffectsDevice::isSounding(ALuint source, ALuint buffer) const
{
    ALint state = AL_STOPPED;
    ALint current = 0;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    alGetSourcei(source, AL_BUFFER, &current);
    return state == AL_PLAYING && ALuint(current) == buffer;
}
