#include "core/Saturate.h"

#include <cmath>
#include <limits>

namespace dunemark {

namespace {

template <typename Int> Int Saturate(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    if (value <= static_cast<double>(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    return static_cast<Int>(value);
}

} // namespace

double RoundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return below + 1.0;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

std::int32_t SaturateInt32(double value) {
    return Saturate<std::int32_t>(value);
}

std::int16_t SaturateInt16(double value) {
    return Saturate<std::int16_t>(value);
}

std::int32_t RoundMoney(double value) {
    return SaturateInt32(RoundHalfEven(value));
}

std::int32_t AddMoney(std::int32_t a, std::int64_t b) {
    return SaturateInt32(static_cast<double>(a) + static_cast<double>(b));
}

std::int16_t AddShort(std::int16_t a, std::int32_t b) {
    return SaturateInt16(static_cast<double>(a) + static_cast<double>(b));
}

} // namespace dunemark
