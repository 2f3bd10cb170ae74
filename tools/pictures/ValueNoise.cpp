// Value noise: random values on an integer lattice, blended with a quintic fade between points.
#include "ValueNoise.h"

#include <cmath>
#include <numeric>
#include <utility>

namespace {

double fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

}  // namespace

ValueNoise::ValueNoise(std::uint32_t seed)
{
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    std::iota(permutation_.begin(), permutation_.end(), 0);
    for (int i = 255; i > 0; --i)
        std::swap(permutation_[i], permutation_[next() % static_cast<std::uint32_t>(i + 1)]);
    for (double& v : values_)
        v = static_cast<double>(next() & 0xFFFF) / 65535.0;
}

double ValueNoise::lattice(int x, int y) const
{
    return values_[permutation_[(permutation_[x & 255] + y) & 255]];
}

double ValueNoise::at(double x, double y) const
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double u = fade(x - fx);
    const double v = fade(y - fy);
    const double top = lattice(ix, iy) + (lattice(ix + 1, iy) - lattice(ix, iy)) * u;
    const double bottom = lattice(ix, iy + 1) + (lattice(ix + 1, iy + 1) - lattice(ix, iy + 1)) * u;
    return top + (bottom - top) * v;
}

double ValueNoise::fractal(double x, double y, int octaves) const
{
    double sum = 0;
    double weight = 0.5;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        // Each octave is shifted so the lattice points of the layers never line up.
        sum += weight * at(x + 17.31 * i, y + 5.77 * i);
        total += weight;
        weight *= 0.5;
        x *= 2;
        y *= 2;
    }
    return sum / total;
}
