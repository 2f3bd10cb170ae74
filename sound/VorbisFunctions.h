// The entry points of the Ogg Vorbis libraries that Tavlo calls, resolved by VorbisLibrary at run
// time. The library headers are used for their types only: nothing links against the libraries.
#pragma once
#define OV_EXCLUDE_STATIC_CALLBACKS
#include <ogg/ogg.h>
#include <vorbis/codec.h>
#include <vorbis/vorbisenc.h>
#include <vorbis/vorbisfile.h>

struct VorbisFunctions {
    // libogg: framing, for the tune's encoder
    decltype(&::ogg_stream_init) ogg_stream_init = nullptr;
    decltype(&::ogg_stream_packetin) ogg_stream_packetin = nullptr;
    decltype(&::ogg_stream_pageout) ogg_stream_pageout = nullptr;
    decltype(&::ogg_stream_flush) ogg_stream_flush = nullptr;
    decltype(&::ogg_stream_clear) ogg_stream_clear = nullptr;

    // libvorbis: analysis, for the tune's encoder
    decltype(&::vorbis_info_init) vorbis_info_init = nullptr;
    decltype(&::vorbis_info_clear) vorbis_info_clear = nullptr;
    decltype(&::vorbis_comment_init) vorbis_comment_init = nullptr;
    decltype(&::vorbis_comment_add_tag) vorbis_comment_add_tag = nullptr;
    decltype(&::vorbis_comment_clear) vorbis_comment_clear = nullptr;
    decltype(&::vorbis_analysis_init) vorbis_analysis_init = nullptr;
    decltype(&::vorbis_block_init) vorbis_block_init = nullptr;
    decltype(&::vorbis_block_clear) vorbis_block_clear = nullptr;
    decltype(&::vorbis_dsp_clear) vorbis_dsp_clear = nullptr;
    decltype(&::vorbis_analysis_headerout) vorbis_analysis_headerout = nullptr;
    decltype(&::vorbis_analysis_buffer) vorbis_analysis_buffer = nullptr;
    decltype(&::vorbis_analysis_wrote) vorbis_analysis_wrote = nullptr;
    decltype(&::vorbis_analysis_blockout) vorbis_analysis_blockout = nullptr;
    decltype(&::vorbis_analysis) vorbis_analysis = nullptr;
    decltype(&::vorbis_bitrate_addblock) vorbis_bitrate_addblock = nullptr;
    decltype(&::vorbis_bitrate_flushpacket) vorbis_bitrate_flushpacket = nullptr;

    // libvorbisfile: decoding the tune
    decltype(&::ov_open_callbacks) ov_open_callbacks = nullptr;
    decltype(&::ov_info) ov_info = nullptr;
    decltype(&::ov_comment) ov_comment = nullptr;
    decltype(&::ov_pcm_total) ov_pcm_total = nullptr;
    decltype(&::ov_time_total) ov_time_total = nullptr;
    decltype(&::ov_read) ov_read = nullptr;
    decltype(&::ov_clear) ov_clear = nullptr;

    // libvorbisenc: setting up the tune's encoder
    decltype(&::vorbis_encode_init_vbr) vorbis_encode_init_vbr = nullptr;
};
