// The loopback output of the sound tests.
#include "LoopbackOutput.h"

#include "SoundFiles.h"

namespace {

EffectsDevice::Settings loopback()
{
    EffectsDevice::Settings s;
    s.Loopback = true;
    s.Frequency = LoopbackOutput::Rate;
    return s;
}

}  // namespace

LoopbackOutput::LoopbackOutput() : LoopbackOutput(soundfiles::gameClips()) {}

LoopbackOutput::LoopbackOutput(std::vector<SoundClip> items)
    : device(loopback()), clips(device, std::move(items))
{
    device.open(clips);
}

void LoopbackOutput::render(int frames)
{
    const std::size_t at = heard.size();
    heard.resize(at + std::size_t(frames) * 2);
    device.render(heard.data() + at, frames);
}

void addAt(std::vector<std::int32_t>& mix, const std::vector<std::int16_t>& clip, std::size_t at)
{
    for (std::size_t i = 0; i < clip.size() && 2 * at + i < mix.size(); ++i) mix[2 * at + i] += clip[i];
}

bool silent(const std::vector<std::int16_t>& samples, std::size_t from)
{
    for (std::size_t i = from; i < samples.size(); ++i)
        if (samples[i] != 0) return false;
    return true;
}
