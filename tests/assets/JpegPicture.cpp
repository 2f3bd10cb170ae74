// libjpeg's default error handler would end the process; this one throws so a test fails instead.
#include "JpegPicture.h"

#include <cstdio>
#include <jpeglib.h>
#include <stdexcept>
#include <string>

namespace {

constexpr std::uint8_t StartOfImage = 0xD8;
constexpr std::uint8_t StartOfScan = 0xDA;

[[noreturn]] void throwError(j_common_ptr info)
{
    char message[JMSG_LENGTH_MAX];
    (*info->err->format_message)(info, message);
    throw std::runtime_error(std::string("jpeg: ") + message);
}

}  // namespace

JpegPicture::JpegPicture(const std::string& name) : file_("pictures/" + name)
{
    // Header segments: 0xFF, code, then a big-endian length that counts itself.
    std::size_t at = 0;
    while (at + 1 < file_.size() && file_.u8(at) == 0xFF) {
        const std::uint8_t code = file_.u8(at + 1);
        markers_.push_back({code, at + 2});
        if (code == StartOfScan)
            break;
        at += code == StartOfImage ? 2 : 2 + static_cast<std::size_t>((file_.u8(at + 2) << 8) | file_.u8(at + 3));
    }

    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    errors.error_exit = throwError;
    jpeg_create_decompress(&info);
    try {
        jpeg_mem_src(&info, file_.bytes().data(), static_cast<unsigned long>(file_.size()));
        jpeg_read_header(&info, TRUE);
        info.out_color_space = JCS_RGB;
        jpeg_start_decompress(&info);
        width_ = static_cast<int>(info.output_width);
        height_ = static_cast<int>(info.output_height);
        pixels_.resize(static_cast<std::size_t>(width_ * height_ * 3));
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = pixels_.data() + static_cast<std::size_t>(info.output_scanline) * width_ * 3;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
    } catch (...) {
        jpeg_destroy_decompress(&info);
        throw;
    }
    jpeg_destroy_decompress(&info);
}

Rgb JpegPicture::rgb(int x, int y) const
{
    const std::size_t at = static_cast<std::size_t>((y * width_ + x) * 3);
    return {pixels_.at(at), pixels_.at(at + 1), pixels_.at(at + 2)};
}
