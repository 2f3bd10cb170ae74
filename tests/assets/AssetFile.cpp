// The assets folder comes from the build (TAVLO_ASSETS_DIR), so the tests read the committed files.
#include "AssetFile.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

AssetFile::AssetFile(const std::string& name)
{
    std::ifstream in(std::string(TAVLO_ASSETS_DIR) + "/" + name, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open asset " + name);
    bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint16_t AssetFile::u16(std::size_t at) const
{
    return static_cast<std::uint16_t>(u8(at) | (u8(at + 1) << 8));
}

std::uint32_t AssetFile::u32(std::size_t at) const
{
    return static_cast<std::uint32_t>(u16(at)) | (static_cast<std::uint32_t>(u16(at + 2)) << 16);
}
