// libjpeg reports fatal errors through a callback that must not return; it jumps back here.
#include "JpegDecoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct ErrorTrap {
    jpeg_error_mgr manager;  // first, so libjpeg's pointer to it is a pointer to the trap
    std::jmp_buf jump;
};

[[noreturn]] void jumpOut(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->jump, 1);
}

void stayQuiet(j_common_ptr, int) {}

}  // namespace

QImage JpegDecoder::decode(const QByteArray& data)
{
    // Everything that lives across the jump is declared before setjmp and is not a register value.
    jpeg_decompress_struct info{};
    ErrorTrap trap{};
    QImage image;
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = jumpOut;
    trap.manager.emit_message = stayQuiet;
    if (setjmp(trap.jump)) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    if (image.isNull() || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}
