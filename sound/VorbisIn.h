// The music input (VorbisIn1): the Ogg Vorbis file the tune is decoded from.
#pragma once
#include <string>

class VorbisLibrary;

class VorbisIn {
public:
    explicit VorbisIn(VorbisLibrary& library);

    std::string FileName;  // opened by exactly this name, relative to the working directory
    bool Loop = false;     // at the end of the stream the file is opened again

private:
    // (owned by the sound's implementer)
};
