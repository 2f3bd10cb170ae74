// The round's one random source: a 32-bit linear congruential generator, so a chosen seed gives
// the same shuffle and the same target on every machine.
#pragma once
#include <cstdint>

class RandomSource {
public:
    void reseed(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t seed() const { return seed_; }

    // Steps the seed to seed * 134775813 + 1 (mod 2^32), then returns a value in [0, n): the upper
    // 32 bits of the 64-bit product seed * n, which is below n because seed is below 2^32.
    std::uint32_t draw(std::uint32_t n);

private:
    std::uint32_t seed_ = 0;
};
