// The Ogg Vorbis decoder libraries, loaded with dlopen at start in the order ogg, vorbis, vorbisfile,
// vorbisenc. The first that cannot be loaded fails with its message, e.g.
// "ogg.dll library could not be loaded." (the names the messages use for the four libraries).
#pragma once
#include <array>
#include <stdexcept>
#include <string>

class VorbisLibraryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class VorbisLibrary {
public:
    // Sonames in load order: libogg.so.0, libvorbis.so.0, libvorbisfile.so.3, libvorbisenc.so.2.
    static const std::array<std::string, 4> DefaultNames;

    explicit VorbisLibrary(const std::array<std::string, 4>& names = DefaultNames);
    ~VorbisLibrary();
    VorbisLibrary(const VorbisLibrary&) = delete;
    VorbisLibrary& operator=(const VorbisLibrary&) = delete;

private:
    // (owned by the sound's implementer: the handles and the decoder functions)
};
