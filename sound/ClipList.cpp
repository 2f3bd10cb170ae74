// Plays the game's clips: every request is a new instance, so quick requests overlap.
#include "ClipList.h"

#include <chrono>
#include <thread>

#include "EffectsDevice.h"

ClipList::ClipList(EffectsDevice& device, std::vector<SoundClip> items)
    : device_(device), items_(std::move(items))
{
    // Parsed after the move: WaveData points into each clip's own Wave.
    for (const SoundClip& c : items_) waves_.push_back(WaveData::parse(c.Wave));
    buffers_.assign(items_.size(), 0);
}

ClipList::~ClipList()
{
    // The samples stay with the device, which outlives the list; only pending requests matter.
    device_.flush();
}

void ClipList::load()
{
    for (std::size_t i = 0; i < waves_.size(); ++i) buffers_[i] = device_.makeBuffer(waves_[i]);
}

void ClipList::PlayClip(int index, bool wait)
{
    if (index < 0 || std::size_t(index) >= items_.size()) return;
    const ALuint buffer = buffers_[std::size_t(index)];
    if (buffer == 0 || !device_.isOpen()) return;
    const SoundClip& clip = items_[std::size_t(index)];
    device_.play(buffer, index, clip.Looped, clip.MaxPlayingCount);
    if (wait && !clip.Looped) {
        device_.flush();
        while (device_.lastInstanceSounding(index))
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}
