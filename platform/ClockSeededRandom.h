#pragma once

#include "platform/RandomSource.h"

#include <cstdint>

namespace dunemark {

// A small 64-bit generator that keeps its own state: folding in the same clock reading twice
// still gives different draws, so entries worked out within one clock tick stay independent.
class ClockSeededRandom final : public RandomSource {
public:
    explicit ClockSeededRandom(std::uint64_t initialState);

    float Rnd() override;
    void Randomize(double seed) override;

private:
    std::uint64_t Next();

    std::uint64_t state_;
};

} // namespace dunemark
