// A JPEG asset decoded to RGB with libjpeg, and the markers of its header.
#pragma once
#include "AssetFile.h"
#include "BmpPicture.h"

#include <cstdint>
#include <vector>

class JpegPicture {
public:
    struct Marker {
        std::uint8_t code;  // the byte after 0xFF
        std::size_t at;  // offset of the segment's length field
    };

    explicit JpegPicture(const std::string& name);

    const AssetFile& file() const { return file_; }
    // Every marker from the start of the file up to the start of the scan (SOS included).
    const std::vector<Marker>& markers() const { return markers_; }
    int width() const { return width_; }
    int height() const { return height_; }
    Rgb rgb(int x, int y) const;

private:
    AssetFile file_;
    std::vector<Marker> markers_;
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> pixels_;
};
