// The Ogg Vorbis decoder libraries, loaded with dlopen at start in the order ogg, vorbis, vorbisfile,
// vorbisenc. The first that cannot be loaded fails with its message, e.g.
// "ogg.dll library could not be loaded." (the names the messages use for the four libraries).
#pragma once
#include <array>
#include <stdexcept>
#include <string>

#include "VorbisFunctions.h"

class VorbisLibraryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class VorbisLibrary {
public:
    // Sonames in load order: libogg.so.0, libvorbis.so.0, libvorbisfile.so.3, libvorbisenc.so.2.
    static const std::array<std::string, 4> DefaultNames;

    // Tests pass other names to see which message a missing library gives.
    explicit VorbisLibrary(const std::array<std::string, 4>& names = DefaultNames);
    ~VorbisLibrary();
    VorbisLibrary(const VorbisLibrary&) = delete;
    VorbisLibrary& operator=(const VorbisLibrary&) = delete;

    // Every entry point is resolved: a library that lacks one counts as not loaded.
    const VorbisFunctions& functions() const { return fn_; }

private:
    std::array<void*, 4> handles_{};
    VorbisFunctions fn_;

    void unload();
};
