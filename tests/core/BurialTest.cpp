#include "core/Burial.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace dunemark {
namespace {

TEST(BurialRank, EachStepMustBeBeatenNotReached) {
    const struct {
        std::int32_t total;
        int rank;
    } cases[] = {
        {std::numeric_limits<std::int32_t>::max(), 0},
        {50'000'001, 0},
        {50'000'000, 1},
        {20'000'001, 1},
        {20'000'000, 2},
        {10'000'001, 2},
        {10'000'000, 3},
        {500'001, 3},
        {500'000, 4},
        {100'001, 4},
        {100'000, 5},
        {100, 5},
        {0, 5},
        {-1, 5},
        {std::numeric_limits<std::int32_t>::min(), 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BurialRank(c.total), c.rank) << c.total;
}

TEST(BurialCaption, NamesEveryRankFromTheGodsToTheDesert) {
    EXPECT_EQ(BurialCaption(0), "You now claim residence next to the Gods");
    EXPECT_EQ(BurialCaption(1), "You now claim residency next to the great Pharoahs");
    EXPECT_EQ(BurialCaption(2), "You have a burial fit for a nobleman");
    EXPECT_EQ(BurialCaption(3), "You are buried with people of your own class");
    EXPECT_EQ(BurialCaption(4), "You are buried in a hole, in the desert");
    EXPECT_EQ(BurialCaption(5), "You were just tossed into the desert");
    EXPECT_EQ(BurialCaption(6), BurialCaption(DesertRank));
    EXPECT_EQ(BurialCaption(-1), BurialCaption(DesertRank));
}

TEST(DesertStory, JoinsItsPiecesWithNothingInBetween) {
    EXPECT_EQ(DesertStory(),
              "You were left in the middle of the desert, without any food and water. As you try "
              "to walk, the sun makes you thirsty, and time makes you hungry. The wind joins "
              "forces with the sand, to make it impossible for you to do anything. You collapse "
              "to the floor, and take your last breath of air.");
}

} // namespace
} // namespace dunemark
