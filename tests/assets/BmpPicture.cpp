// Rows are stored bottom row first and padded to four bytes.
#include "BmpPicture.h"

BmpPicture::BmpPicture(const std::string& name) : file_("pictures/" + name) {}

std::size_t BmpPicture::offset(int x, int y) const
{
    const int bytesPerPixel = bitsPerPixel() / 8;
    const int rowBytes = (width() * bytesPerPixel + 3) & ~3;
    return file_.u32(10) + static_cast<std::size_t>((height() - 1 - y) * rowBytes + x * bytesPerPixel);
}

Rgb BmpPicture::rgb(int x, int y) const
{
    const std::size_t at = offset(x, y);
    return {file_.u8(at + 2), file_.u8(at + 1), file_.u8(at)};
}

std::uint16_t BmpPicture::word(int x, int y) const { return file_.u16(offset(x, y)); }
