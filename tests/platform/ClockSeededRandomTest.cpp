#include "platform/ClockSeededRandom.h"

#include <gtest/gtest.h>
#include <set>

namespace dunemark {
namespace {

TEST(ClockSeededRandom, DrawsLieInTheUnitInterval) {
    ClockSeededRandom random(42);
    double sum = 0;
    for (int i = 0; i < 100000; ++i) {
        const float u = random.Rnd();
        ASSERT_GE(u, 0.0f);
        ASSERT_LT(u, 1.0f);
        sum += u;
    }
    EXPECT_NEAR(sum / 100000, 0.5, 0.01);
}

TEST(ClockSeededRandom, TheSameClockReadingNeverRepeatsTheDraws) {
    ClockSeededRandom random(7);
    std::set<float> firstDraws;
    for (int entry = 0; entry < 30; ++entry) {
        random.Randomize(36000.0); // every entry of a market within one clock tick
        firstDraws.insert(random.Rnd());
    }
    EXPECT_EQ(firstDraws.size(), 30u);
}

} // namespace
} // namespace dunemark
