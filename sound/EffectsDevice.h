// The sound output of the game (DXSound1): one OpenAL device and context shared by the effects and
// the background tune.
#pragma once
#include <cstdint>
#include <string>
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
        int Refresh = 200;  // mixing periods per second: a short period lets a click start soon
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

    // For the clip list: a clip's samples handed to the output (0 when refused), and a new sounding
    // instance of such a buffer (0 when none could be started).
    ALuint makeBuffer(const WaveData& wave);
    ALuint start(ALuint buffer, bool looped);
    void restart(ALuint source);
    bool isSounding(ALuint source, ALuint buffer) const;

    // For the music output, which plays on the same context.
    ALCcontext* context() const { return context_; }

    // Loopback only: mixes the next `frames` stereo 16-bit frames of output.
    void render(std::int16_t* out, int frames);

private:
    Settings settings_;
    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    std::vector<ALuint> buffers_;
    std::vector<ALuint> sources_;  // the effect instances' pool, reused in start order
    std::size_t next_ = 0;
    bool active_ = false;
    bool directChannels_ = false;

    ALuint takeSource();
    float gain() const { return active_ ? 1.0f : 0.0f; }
};
