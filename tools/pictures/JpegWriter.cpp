// Every component is sampled 1 x 1: small red and orange lettering stays crisp, where the usual
// halved chroma would smear it.
#include "JpegWriter.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <stdexcept>
#include <vector>

namespace {

[[noreturn]] void throwError(j_common_ptr info)
{
    char message[JMSG_LENGTH_MAX];
    (*info->err->format_message)(info, message);
    throw std::runtime_error(std::string("jpeg: ") + message);
}

}  // namespace

QByteArray JpegWriter::encode(const QImage& source, int quality)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    errors.error_exit = throwError;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_create_compress(&info);
    try {
        jpeg_mem_dest(&info, &buffer, &size);
        info.image_width = static_cast<JDIMENSION>(image.width());
        info.image_height = static_cast<JDIMENSION>(image.height());
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info);
        jpeg_set_quality(&info, quality, TRUE);
        for (int c = 0; c < info.num_components; ++c) {
            info.comp_info[c].h_samp_factor = 1;
            info.comp_info[c].v_samp_factor = 1;
        }
        info.write_JFIF_header = TRUE;
        info.density_unit = 1;  // dots per inch
        info.X_density = 96;
        info.Y_density = 96;
        jpeg_start_compress(&info, TRUE);
        while (info.next_scanline < info.image_height) {
            auto* row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(info.next_scanline)));
            jpeg_write_scanlines(&info, &row, 1);
        }
        jpeg_finish_compress(&info);
    } catch (...) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        throw;
    }
    jpeg_destroy_compress(&info);
    QByteArray out(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return out;
}
