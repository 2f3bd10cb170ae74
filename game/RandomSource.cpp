// The generator's step and its scaling to a range.
#include "RandomSource.h"

std::uint32_t RandomSource::draw(std::uint32_t n)
{
    seed_ = seed_ * 134775813u + 1u;  // unsigned arithmetic wraps modulo 2^32
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * n) >> 32);
}
