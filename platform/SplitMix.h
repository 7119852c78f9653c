#pragma once

#include <cstdint>

namespace dunemark {

// The SplitMix64 finaliser: spreads every input bit over the whole word.
constexpr std::uint64_t SplitMix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// The step SplitMix64 adds to its state between draws: the golden ratio in 64 bits.
inline constexpr std::uint64_t GoldenGamma = 0x9E3779B97F4A7C15ULL;

// The top 24 bits of a word as a float in [0, 1): they fill its mantissa exactly, so the value
// is the same on every machine and always below 1.
constexpr float UnitFloat(std::uint64_t word) {
    return static_cast<float>(word >> 40) * 0x1.0p-24f;
}

} // namespace dunemark
