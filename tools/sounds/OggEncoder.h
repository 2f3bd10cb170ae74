// Encodes PCM as an Ogg Vorbis stream with libvorbisenc (reached through VorbisLibrary). The same
// samples, quality and stream serial give the same bytes, so the tune is reproducible.
#pragma once
#include <cstdint>
#include <vector>

class VorbisLibrary;

class OggEncoder {
public:
    explicit OggEncoder(const VorbisLibrary& library);

    // `samples` are interleaved, in [-1, 1].
    std::vector<std::uint8_t> encode(const std::vector<float>& samples, int channels,
                                     int sampleRate, float quality, int serial) const;

private:
    const VorbisLibrary& library_;
};
