// The usual libvorbis analysis loop: headers first, then blocks, pages written as they fill.
#include "OggEncoder.h"

#include <algorithm>
#include <stdexcept>

#include "VorbisLibrary.h"

OggEncoder::OggEncoder(const VorbisLibrary& library) : library_(library) {}

std::vector<std::uint8_t> OggEncoder::encode(const std::vector<float>& samples, int channels,
                                             int sampleRate, float quality, int serial) const
{
    const VorbisFunctions& f = library_.functions();
    vorbis_info vi;
    vorbis_comment vc;
    vorbis_dsp_state vd;
    vorbis_block vb;
    ogg_stream_state os;
    ogg_page og;
    ogg_packet op;

    f.vorbis_info_init(&vi);
    if (f.vorbis_encode_init_vbr(&vi, channels, sampleRate, quality) != 0) {
        f.vorbis_info_clear(&vi);
        throw std::runtime_error("the Vorbis encoder refused the format");
    }
    f.vorbis_comment_init(&vc);
    f.vorbis_comment_add_tag(&vc, "TITLE", "Tavlo");
    f.vorbis_analysis_init(&vd, &vi);
    f.vorbis_block_init(&vd, &vb);
    f.ogg_stream_init(&os, serial);

    std::vector<std::uint8_t> out;
    const auto writePage = [&] {
        out.insert(out.end(), og.header, og.header + og.header_len);
        out.insert(out.end(), og.body, og.body + og.body_len);
    };

    ogg_packet header, comments, codebooks;
    f.vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
    f.ogg_stream_packetin(&os, &header);
    f.ogg_stream_packetin(&os, &comments);
    f.ogg_stream_packetin(&os, &codebooks);
    while (f.ogg_stream_flush(&os, &og) != 0) writePage();

    const auto drain = [&] {
        while (f.vorbis_analysis_blockout(&vd, &vb) == 1) {
            f.vorbis_analysis(&vb, nullptr);
            f.vorbis_bitrate_addblock(&vb);
            while (f.vorbis_bitrate_flushpacket(&vd, &op) != 0) {
                f.ogg_stream_packetin(&os, &op);
                while (f.ogg_stream_pageout(&os, &og) != 0) writePage();
            }
        }
    };
    const std::size_t frames = samples.size() / std::size_t(channels);
    constexpr std::size_t Chunk = 4096;
    for (std::size_t at = 0; at < frames; at += Chunk) {
        const std::size_t n = std::min(Chunk, frames - at);
        float** buffer = f.vorbis_analysis_buffer(&vd, int(n));
        for (std::size_t i = 0; i < n; ++i)
            for (int c = 0; c < channels; ++c)
                buffer[c][i] = samples[(at + i) * std::size_t(channels) + std::size_t(c)];
        f.vorbis_analysis_wrote(&vd, int(n));
        drain();
    }
    f.vorbis_analysis_wrote(&vd, 0);  // the end of the samples
    drain();
    while (f.ogg_stream_flush(&os, &og) != 0) writePage();

    f.ogg_stream_clear(&os);
    f.vorbis_block_clear(&vb);
    f.vorbis_dsp_clear(&vd);
    f.vorbis_comment_clear(&vc);
    f.vorbis_info_clear(&vi);
    return out;
}
