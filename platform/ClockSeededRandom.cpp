#include "platform/ClockSeededRandom.h"

#include "platform/SplitMix.h"

#include <bit>

namespace dunemark {

ClockSeededRandom::ClockSeededRandom(std::uint64_t initialState)
    : state_(initialState) {}

std::uint64_t ClockSeededRandom::Next() {
    state_ += GoldenGamma;
    return SplitMix(state_);
}

float ClockSeededRandom::Rnd() {
    return UnitFloat(Next());
}

void ClockSeededRandom::Randomize(double seed) {
    state_ = SplitMix(state_ ^ std::bit_cast<std::uint64_t>(seed));
}

} // namespace dunemark
