// Little-endian fields for the file formats the generator writes (BMP, ICO, the region).
#pragma once
#include <QByteArray>
#include <cstdint>

inline void put16(QByteArray& out, std::uint16_t v)
{
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>(v >> 8));
}

inline void put32(QByteArray& out, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((v >> shift) & 0xFF));
}
