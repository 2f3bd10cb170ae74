// Files the sound tests read and make: the game's clips, and small Ogg Vorbis streams of their own.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "SoundClip.h"

class VorbisLibrary;

namespace soundfiles {

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// The three clips of the game in index order, read from assets/clips.
std::vector<SoundClip> gameClips();
// A clip's sample bytes as 16-bit samples.
std::vector<std::int16_t> clipSamples(const SoundClip& clip);

// A short stream of gliding tones, different on each channel, with quiet and loud passages.
std::vector<std::uint8_t> makeStream(const VorbisLibrary& library, int channels, int rate,
                                     double seconds);
// All 16-bit samples of a stream, decoded once from start to end.
std::vector<std::int16_t> decodeAll(VorbisLibrary& library, const std::string& file);

// A folder of its own under the system's temporary folder, removed with the object.
class Scratch {
public:
    Scratch();
    ~Scratch();
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    std::filesystem::path path(const std::string& name) const { return dir_ / name; }

private:
    std::filesystem::path dir_;
};

}  // namespace soundfiles
