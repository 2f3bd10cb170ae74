// Loads the four Ogg Vorbis libraries by soname and resolves the entry points Tavlo calls.
#include "VorbisLibrary.h"

#include <dlfcn.h>

namespace {

// The names the failure messages use, in load order.
constexpr std::array<const char*, 4> MessageNames = {"ogg.dll", "vorbis.dll", "vorbisfile.dll",
                                                     "vorbisenc.dll"};

template <typename F>
bool resolve(void* handle, const char* name, F& slot)
{
    void* p = dlsym(handle, name);
    slot = reinterpret_cast<F>(p);
    return p != nullptr;
}

}  // namespace

const std::array<std::string, 4> VorbisLibrary::DefaultNames = {
    "libogg.so.0", "libvorbis.so.0", "libvorbisfile.so.3", "libvorbisenc.so.2"};

VorbisLibrary::VorbisLibrary(const std::array<std::string, 4>& names)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        void* h = dlopen(names[i].c_str(), RTLD_NOW | RTLD_LOCAL);
        bool ok = h != nullptr;
        handles_[i] = h;
        if (ok) {
            switch (i) {
            case 0:
                ok = resolve(h, "ogg_stream_init", fn_.ogg_stream_init) &&
                     resolve(h, "ogg_stream_packetin", fn_.ogg_stream_packetin) &&
                     resolve(h, "ogg_stream_pageout", fn_.ogg_stream_pageout) &&
                     resolve(h, "ogg_stream_flush", fn_.ogg_stream_flush) &&
                     resolve(h, "ogg_stream_clear", fn_.ogg_stream_clear);
                break;
            case 1:
                ok = resolve(h, "vorbis_info_init", fn_.vorbis_info_init) &&
                     resolve(h, "vorbis_info_clear", fn_.vorbis_info_clear) &&
                     resolve(h, "vorbis_comment_init", fn_.vorbis_comment_init) &&
                     resolve(h, "vorbis_comment_add_tag", fn_.vorbis_comment_add_tag) &&
                     resolve(h, "vorbis_comment_clear", fn_.vorbis_comment_clear) &&
                     resolve(h, "vorbis_analysis_init", fn_.vorbis_analysis_init) &&
                     resolve(h, "vorbis_block_init", fn_.vorbis_block_init) &&
                     resolve(h, "vorbis_block_clear", fn_.vorbis_block_clear) &&
                     resolve(h, "vorbis_dsp_clear", fn_.vorbis_dsp_clear) &&
                     resolve(h, "vorbis_analysis_headerout", fn_.vorbis_analysis_headerout) &&
                     resolve(h, "vorbis_analysis_buffer", fn_.vorbis_analysis_buffer) &&
                     resolve(h, "vorbis_analysis_wrote", fn_.vorbis_analysis_wrote) &&
                     resolve(h, "vorbis_analysis_blockout", fn_.vorbis_analysis_blockout) &&
                     resolve(h, "vorbis_analysis", fn_.vorbis_analysis) &&
                     resolve(h, "vorbis_bitrate_addblock", fn_.vorbis_bitrate_addblock) &&
                     resolve(h, "vorbis_bitrate_flushpacket", fn_.vorbis_bitrate_flushpacket);
                break;
            case 2:
                ok = resolve(h, "ov_open_callbacks", fn_.ov_open_callbacks) &&
                     resolve(h, "ov_info", fn_.ov_info) &&
                     resolve(h, "ov_comment", fn_.ov_comment) &&
                     resolve(h, "ov_pcm_total", fn_.ov_pcm_total) &&
                     resolve(h, "ov_time_total", fn_.ov_time_total) &&
                     resolve(h, "ov_read", fn_.ov_read) && resolve(h, "ov_clear", fn_.ov_clear);
                break;
            default:
                ok = resolve(h, "vorbis_encode_init_vbr", fn_.vorbis_encode_init_vbr);
                break;
            }
        }
        if (!ok) {
            unload();
            throw VorbisLibraryError(std::string(MessageNames[i]) +
                                     " library could not be loaded.");
        }
    }
}

VorbisLibrary::~VorbisLibrary() { unload(); }

void VorbisLibrary::unload()
{
    // Later libraries depend on earlier ones: close in reverse order.
    for (auto it = handles_.rbegin(); it != handles_.rend(); ++it) {
        if (*it != nullptr) dlclose(*it);
        *it = nullptr;
    }
    fn_ = VorbisFunctions{};
}
