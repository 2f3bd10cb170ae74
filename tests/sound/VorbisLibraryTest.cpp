// The decoder libraries' loader: all four load by default, and the first missing one names itself.
#include <gtest/gtest.h>

#include "VorbisLibrary.h"

TEST(VorbisLibrary, LoadsTheFourLibrariesAndResolvesEveryEntryPoint)
{
    const VorbisLibrary library;
    const VorbisFunctions& f = library.functions();
    EXPECT_NE(f.ogg_stream_init, nullptr);
    EXPECT_NE(f.vorbis_analysis, nullptr);
    EXPECT_NE(f.ov_open_callbacks, nullptr);
    EXPECT_NE(f.ov_read, nullptr);
    EXPECT_NE(f.vorbis_encode_init_vbr, nullptr);
}

TEST(VorbisLibrary, TheFirstMissingLibraryInLoadOrderGivesItsMessage)
{
    const auto& good = VorbisLibrary::DefaultNames;
    const std::string missing = "libtavlo-missing.so.9";
    const struct {
        std::array<std::string, 4> names;
        const char* message;
    } cases[] = {
        {{missing, good[1], good[2], good[3]}, "ogg.dll library could not be loaded."},
        {{good[0], missing, good[2], good[3]}, "vorbis.dll library could not be loaded."},
        {{good[0], good[1], missing, good[3]}, "vorbisfile.dll library could not be loaded."},
        {{good[0], good[1], good[2], missing}, "vorbisenc.dll library could not be loaded."},
        // Several missing: the earliest in load order is named.
        {{good[0], missing, missing, missing}, "vorbis.dll library could not be loaded."},
        {{missing, good[1], good[2], missing}, "ogg.dll library could not be loaded."},
        // A library that loads but is not the one asked for lacks its entry points.
        {{good[0], good[1], good[2], "libm.so.6"}, "vorbisenc.dll library could not be loaded."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        try {
            VorbisLibrary library(c.names);
            ADD_FAILURE() << "loaded";
        } catch (const VorbisLibraryError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}
