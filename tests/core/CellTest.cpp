#include "core/Cell.h"

#include <gtest/gtest.h>

namespace dunemark {
namespace {

TEST(Cell, EmptyCellAndEmptyTextCountAlikeAsEmpty) {
    EXPECT_TRUE(IsEmpty(Cell{}));
    EXPECT_TRUE(IsEmpty(Cell{std::string()}));
    EXPECT_FALSE(IsEmpty(Cell{std::string("Gold")}));
    EXPECT_FALSE(IsEmpty(Cell{0.0}));
}

TEST(Cell, ShowsNumbersAsPlainTextAndReadsTextsAsNumbers) {
    EXPECT_EQ(CellText(Cell{2345.0}), "2345");
    EXPECT_EQ(CellText(Cell{std::string("Water")}), "Water");
    EXPECT_EQ(CellText(Cell{}), "");
    EXPECT_EQ(CellNumber(Cell{std::string("12abc")}), 12);
    EXPECT_EQ(CellNumber(Cell{}), 0);
    EXPECT_EQ(CellNumber(Cell{2.5}), 2.5);
}

} // namespace
} // namespace dunemark
