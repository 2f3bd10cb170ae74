// The sound output of the game (DXSound1): one OpenAL device and context shared by the effects and
// the background tune.
//
// Starting a source takes OpenAL's device lock, which the mixer holds while it mixes a period, so
// a play request made on the UI thread would sometimes wait for a whole mixing pass. Requests are
// therefore handed to a starter thread of the device's own and the caller goes on at once.
#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <AL/al.h>
#include <AL/alc.h>

class ClipList;
struct WaveData;

class EffectsDevice {
public:
    // How the output is reached. The game uses the defaults; tests render through a loopback
    // device, faster than real time, to see exactly what is played.
    struct Settings {
        bool Loopback = false;
        std::string DeviceName;  // empty: the default output
        int Frequency = 44100;
        // Mixing periods a second asked for: a short period lets a click start soon. OpenAL Soft
        // 1.19 takes its period from its own settings (period_size) instead.
        int Refresh = 200;
    };

    EffectsDevice();
    explicit EffectsDevice(const Settings& settings);
    ~EffectsDevice();  // closes the output: every sound stops
    EffectsDevice(const EffectsDevice&) = delete;
    EffectsDevice& operator=(const EffectsDevice&) = delete;

    // Opens the default output and hands every clip of `clips` to it, once. No sound output at all
    // is not a failure: the device stays closed and every play request does nothing. An output that
    // opens but gives no context fails with "Primary Buffer cannot be made".
    void open(ClipList& clips);
    bool isOpen() const;

    // Effects are heard only while the game window is the active window; the tune is not touched.
    void setWindowActive(bool active);

    // For the clip list: a clip's samples handed to the output (0 when refused).
    ALuint makeBuffer(const WaveData& wave);

    // For the clip list: starts a new instance of `buffer`, on the starter thread; returns at once.
    // `clip` keeps the instances of a looped clip (one, restarted) or a limited one (at most
    // `limit`, the oldest restarted) apart from the others.
    void play(ALuint buffer, int clip, bool looped, int limit);
    // Waits until every request made so far has been carried out.
    void flush();
    // Whether the instance last started for `clip` still sounds.
    bool lastInstanceSounding(int clip);

    // For the music output, which plays on the same context.
    ALCcontext* context() const { return context_; }

    // Loopback only: carries out the requests made so far, then mixes the next `frames` stereo
    // 16-bit frames of output.
    void render(std::int16_t* out, int frames);

private:
    struct Request {
        enum Kind { Play, SetActive } kind;
        ALuint buffer;
        int clip;
        bool looped;
        int limit;
        bool active;
    };

    Settings settings_;
    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    std::vector<ALuint> buffers_;

    // Shared by the callers and the starter thread.
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::vector<Request> queue_;
    std::uint64_t posted_ = 0;
    std::uint64_t carriedOut_ = 0;
    bool stop_ = false;

    // The starter thread's own.
    std::vector<ALuint> sources_;  // the effect instances' pool, reused in start order
    std::size_t next_ = 0;
    bool active_ = false;
    bool directChannels_ = false;
    std::vector<std::vector<ALuint>> instances_;  // per clip, for looped and limited clips
    std::vector<std::atomic<ALuint>> lastStarted_;

    std::thread starter_;

    void post(const Request& r);
    void runStarter();
    void carryOut(const Request& r);
    ALuint takeSource();
    bool isSounding(ALuint source, ALuint buffer) const;
    float gain() const { return active_ ? 1.0f : 0.0f; }
};
