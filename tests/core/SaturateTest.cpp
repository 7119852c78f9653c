#include "core/Saturate.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace dunemark {
namespace {

constexpr std::int32_t MaxMoney = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t MinMoney = std::numeric_limits<std::int32_t>::min();

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(16.5), 16);
    EXPECT_EQ(RoundHalfEven(17.5), 18);
    EXPECT_EQ(RoundHalfEven(1102.5), 1102);
    EXPECT_EQ(RoundHalfEven(4.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(6655 * 1.1), 7321); // the product lies just above the half
}

TEST(Saturate, ResultsOutsideTheWidthStayAtTheLimit) {
    EXPECT_EQ(RoundMoney(2000000000.0 * 1.1), MaxMoney);
    EXPECT_EQ(RoundMoney(-1e12), MinMoney);
    EXPECT_EQ(RoundMoney(std::nan("")), 0);
    EXPECT_EQ(AddMoney(2147400000, 299999), MaxMoney);
    EXPECT_EQ(AddMoney(MinMoney, -1), MinMoney);
    EXPECT_EQ(AddMoney(10, -25), -15);
    EXPECT_EQ(AddShort(32760, 33), 32767);
    EXPECT_EQ(AddShort(-32768, -3), -32768);
    EXPECT_EQ(AddShort(90, 33), 123);
    EXPECT_EQ(SaturateInt16(1e9), 32767);
}

} // namespace
} // namespace dunemark
