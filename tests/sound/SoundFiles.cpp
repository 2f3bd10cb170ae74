// Test inputs for the sound: clips from the assets and synthesised streams.
#include "SoundFiles.h"

#include <cmath>
#include <fstream>
#include <numbers>
#include <stdexcept>
#include <unistd.h>

#include "OggEncoder.h"
#include "VorbisIn.h"
#include "VorbisLibrary.h"
#include "WaveData.h"

namespace soundfiles {

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<SoundClip> gameClips()
{
    const std::filesystem::path dir = std::filesystem::path(TAVLO_ASSETS) / "clips";
    std::vector<SoundClip> clips;
    for (const char* name : {"click", "win", "click2"})
        clips.push_back(SoundClip{name, false, 0, readBytes(dir / (std::string(name) + ".wav"))});
    return clips;
}

std::vector<std::int16_t> clipSamples(const SoundClip& clip)
{
    const WaveData w = WaveData::parse(clip.Wave);
    std::vector<std::int16_t> out(w.SampleBytes / 2);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = std::int16_t(std::uint16_t(w.Samples[2 * i] | w.Samples[2 * i + 1] << 8));
    return out;
}

std::vector<std::uint8_t> makeStream(const VorbisLibrary& library, int channels, int rate,
                                     double seconds)
{
    const auto frames = std::size_t(seconds * rate);
    std::vector<float> pcm(frames * std::size_t(channels));
    for (std::size_t n = 0; n < frames; ++n) {
        const double t = double(n) / rate;
        for (int c = 0; c < channels; ++c) {
            const double f = 330.0 * (c + 1) * (1.0 + 0.5 * t);
            const double level = 0.2 + 0.6 * std::fabs(std::sin(std::numbers::pi * t * 3));
            pcm[n * std::size_t(channels) + std::size_t(c)] =
                float(level * std::sin(2 * std::numbers::pi * f * t));
        }
    }
    return OggEncoder(library).encode(pcm, channels, rate, 0.3f, 7);
}

std::vector<std::int16_t> decodeAll(VorbisLibrary& library, const std::string& file)
{
    VorbisIn in(library);
    in.FileName = file;
    if (!in.open()) throw std::runtime_error("cannot decode " + file);
    std::vector<std::int16_t> out;
    std::uint8_t block[4096];
    for (;;) {
        const std::size_t got = in.read(block, sizeof block);
        for (std::size_t i = 0; i + 1 < got; i += 2)
            out.push_back(std::int16_t(std::uint16_t(block[i] | block[i + 1] << 8)));
        if (got < sizeof block) break;
    }
    return out;
}

Scratch::Scratch()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tavlo-sound-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a scratch folder");
    dir_ = pattern;
}

Scratch::~Scratch()
{
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

}  // namespace soundfiles
