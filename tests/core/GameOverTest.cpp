#include "core/GameOver.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace dunemark {
namespace {

constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();

struct TotalCase {
    std::int32_t bank, cash, debt, total;
};

TEST(FinalTotal, IsBankPlusCashMinusLoanAndNeverWraps) {
    const TotalCase cases[] = {
        {3000, 12000, 5000, 10000}, // the usual end of a game
        {0, 2000, 5000, -3000},     // the loan outweighs everything
        {0, 0, 0, 0},
        {Max, Max, 0, Max},   // beyond the range of money: stays at the top
        {Max, 1, 0, Max},     //
        {0, 0, Max, -Max},    //
        {Min, 0, Max, Min},   // and at the bottom
        {0, Min, 1, Min},     //
        {Max, 0, -Max, Max},  // a negative loan counts for the player
        {Max, -1, Max, -1},   // an overflow in between does not matter
        {Max, Max, Max, Max}, //
    };
    for (const auto& c : cases)
        EXPECT_EQ(FinalTotal(c.bank, c.cash, c.debt), c.total)
            << c.bank << " + " << c.cash << " - " << c.debt;
}

TEST(GameOverMessage, PutsTheTotalAsMoneyOnItsOwnLine) {
    EXPECT_EQ(GameOverMessage(10000, ","), "You managed to get a total of \r\n10,000");
    EXPECT_EQ(GameOverMessage(0, ","), "You managed to get a total of \r\n");
    EXPECT_EQ(GameOverMessage(-2500, ","), "You managed to get a total of \r\n-2,500");
    EXPECT_EQ(GameOverMessage(1234567, "."), "You managed to get a total of \r\n1.234.567");
}

} // namespace
} // namespace dunemark
