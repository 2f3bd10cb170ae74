// One committed asset file read whole, with little-endian field readers for its headers.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

class AssetFile {
public:
    // `name` is relative to the assets folder, e.g. "pictures/skin.bmp". Throws when unreadable.
    explicit AssetFile(const std::string& name);

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::size_t size() const { return bytes_.size(); }
    std::uint8_t u8(std::size_t at) const { return bytes_.at(at); }
    std::uint16_t u16(std::size_t at) const;
    std::uint32_t u32(std::size_t at) const;
    std::int32_t i32(std::size_t at) const { return static_cast<std::int32_t>(u32(at)); }

private:
    std::vector<std::uint8_t> bytes_;
};
