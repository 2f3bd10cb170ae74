// The music input (VorbisIn1): the Ogg Vorbis file the tune is decoded from.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "VorbisFunctions.h"

class VorbisLibrary;

class VorbisIn {
public:
    explicit VorbisIn(VorbisLibrary& library);
    ~VorbisIn();
    VorbisIn(const VorbisIn&) = delete;
    VorbisIn& operator=(const VorbisIn&) = delete;

    std::string FileName;  // opened by exactly this name, relative to the working directory
    bool Loop = false;     // at the end of the stream the file is opened again

    // Opens the file and the decoder and reads the stream's facts. False when the file cannot be
    // opened or is not an Ogg Vorbis stream: the input then yields no samples.
    bool open();
    void close();
    bool isOpen() const { return open_; }
    int channels() const { return channels_; }
    long sampleRate() const { return rate_; }
    ogg_int64_t pcmTotal() const { return pcmTotal_; }  // frames in the stream
    double timeTotal() const { return timeTotal_; }     // seconds

    // Fills `out` with up to `size` bytes of 16-bit signed little-endian samples. Less than `size`
    // only when the samples have ended for good: without Loop at the end of the stream, or when
    // the file could not be opened again. A decoding failure counts as the end of the stream.
    std::size_t read(std::uint8_t* out, std::size_t size);

private:
    const VorbisFunctions& fn_;
    OggVorbis_File file_{};
    bool open_ = false;
    int channels_ = 0;
    long rate_ = 0;
    ogg_int64_t pcmTotal_ = 0;
    double timeTotal_ = 0;

    bool reopen();
};
