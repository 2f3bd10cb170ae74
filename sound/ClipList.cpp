// Plays the game's clips: every request is a new instance, so quick requests overlap.
#include "ClipList.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "EffectsDevice.h"

ClipList::ClipList(EffectsDevice& device, std::vector<SoundClip> items)
    : device_(device), items_(std::move(items))
{
    loaded_.reserve(items_.size());
    // Parsed after the move: WaveData points into each clip's own Wave.
    for (const SoundClip& c : items_) loaded_.push_back(Loaded{WaveData::parse(c.Wave), 0, {}});
}

void ClipList::load()
{
    for (Loaded& l : loaded_) l.Buffer = device_.makeBuffer(l.Wave);
}

void ClipList::PlayClip(int index, bool wait)
{
    if (index < 0 || std::size_t(index) >= loaded_.size()) return;
    Loaded& l = loaded_[std::size_t(index)];
    if (l.Buffer == 0 || !device_.isOpen()) return;
    const SoundClip& clip = items_[std::size_t(index)];

    ALuint source = 0;
    if (clip.Looped || clip.MaxPlayingCount > 0) {
        std::erase_if(l.Instances,
                      [&](ALuint s) { return !device_.isSounding(s, l.Buffer); });
        const std::size_t limit = clip.Looped ? 1 : std::size_t(clip.MaxPlayingCount);
        if (l.Instances.size() >= limit) {
            // A looped clip restarts its one instance; a limited one restarts its oldest.
            source = l.Instances.front();
            l.Instances.erase(l.Instances.begin());
            device_.restart(source);
        } else {
            source = device_.start(l.Buffer, clip.Looped);
        }
        if (source != 0) l.Instances.push_back(source);
    } else {
        source = device_.start(l.Buffer, false);
    }

    if (wait && !clip.Looped) {
        while (device_.isSounding(source, l.Buffer))
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}
