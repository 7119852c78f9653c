#pragma once

#include <cstdint>

namespace dunemark {

// Rounds to the nearest whole number, ties to the even neighbour.
double RoundHalfEven(double value);

// Money and counts never wrap around: a result that would leave its width stays at the limit.
// A value that is not a number counts as 0.
std::int32_t SaturateInt32(double value);
std::int16_t SaturateInt16(double value);

// Rounds half to even, then saturates: the rule for interest, muggings and robberies.
std::int32_t RoundMoney(double value);

std::int32_t AddMoney(std::int32_t a, std::int64_t b);
std::int16_t AddShort(std::int16_t a, std::int32_t b);

} // namespace dunemark
