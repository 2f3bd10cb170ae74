// Seeded two-dimensional lattice noise and its fractal sum; the same seed gives the same texture
// on every machine because the lattice comes from our own generator, not from the C library.
#pragma once
#include <array>
#include <cstdint>

class ValueNoise {
public:
    explicit ValueNoise(std::uint32_t seed);

    // Smooth noise in [0, 1], repeating every 256 lattice cells.
    double at(double x, double y) const;
    // Sum of `octaves` layers, each twice as fine and half as strong as the one before, in [0, 1].
    double fractal(double x, double y, int octaves) const;

private:
    double lattice(int x, int y) const;

    std::array<std::uint8_t, 256> permutation_{};
    std::array<double, 256> values_{};
};
