#include "platform/ClockSeededRandom.h"

#include <bit>

namespace dunemark {

namespace {

// The SplitMix64 finaliser: spreads every input bit over the whole word.
std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

ClockSeededRandom::ClockSeededRandom(std::uint64_t initialState)
    : state_(initialState) {}

std::uint64_t ClockSeededRandom::Next() {
    state_ += 0x9E3779B97F4A7C15ULL;
    return Mix(state_);
}

float ClockSeededRandom::Rnd() {
    // The top 24 bits fill a float's mantissa exactly, so the result is always below 1.
    return static_cast<float>(Next() >> 40) * 0x1.0p-24f;
}

void ClockSeededRandom::Randomize(double seed) {
    state_ = Mix(state_ ^ std::bit_cast<std::uint64_t>(seed));
}

} // namespace dunemark
