// A BMP asset's pixels, addressed from the top left whatever the file's row order.
#pragma once
#include "AssetFile.h"

#include <array>
#include <cstdint>

using Rgb = std::array<int, 3>;

class BmpPicture {
public:
    explicit BmpPicture(const std::string& name);

    const AssetFile& file() const { return file_; }
    int width() const { return file_.i32(18); }
    int height() const { return file_.i32(22); }
    int bitsPerPixel() const { return file_.u16(28); }
    // 24-bit pictures: the pixel's red, green and blue.
    Rgb rgb(int x, int y) const;
    // 16-bit pictures: the pixel's stored word.
    std::uint16_t word(int x, int y) const;

private:
    std::size_t offset(int x, int y) const;

    AssetFile file_;
};
