// Writes the game's sounds from code: assets/clips/{click,win,click2}.wav and assets/data/tavl.ogg.
// Usage: tavlo_make_sounds <assets folder>. The same build gives the same bytes every time.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "ClipSynth.h"
#include "OggEncoder.h"
#include "TuneSynth.h"
#include "VorbisLibrary.h"
#include "WaveFile.h"

namespace {

constexpr float TuneQuality = 0.4f;  // about 60 kbit/s for this soft mix: well under 1 MB
constexpr int TuneSerial = 0x54617631;

void write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
    std::cout << path.string() << ": " << bytes.size() << " bytes\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: tavlo_make_sounds <assets folder>\n";
        return 2;
    }
    try {
        const std::filesystem::path assets = argv[1];
        const auto click = makeWave(ClipSynth::click(), 2, 44100);
        write(assets / "clips" / "click.wav", click);
        write(assets / "clips" / "click2.wav", click);
        write(assets / "clips" / "win.wav", makeWave(ClipSynth::win(), 2, 44100));

        const VorbisLibrary library;
        const OggEncoder encoder(library);
        write(assets / "data" / "tavl.ogg",
              encoder.encode(TuneSynth::render(), 2, 44100, TuneQuality, TuneSerial));
    } catch (const std::exception& e) {
        std::cerr << "tavlo_make_sounds: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
