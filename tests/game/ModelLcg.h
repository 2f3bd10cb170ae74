// The round's generator written out again from its definition, in 64-bit arithmetic, so tests
// can predict every draw without trusting the code under test.
#pragma once
#include <cstdint>

struct ModelLcg {
    std::uint64_t seed;
    unsigned next(unsigned n)
    {
        seed = (seed * 134775813ull + 1ull) % 4294967296ull;
        return static_cast<unsigned>(seed * n / 4294967296ull);
    }
};
