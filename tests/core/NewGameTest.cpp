#include "GameFixture.h"

namespace dunemark {
namespace {

using NewGameTest = GameFixture;

TEST_F(NewGameTest, ResetReplacesARunningGame) {
    vars.Cash = 123;
    vars.HasPyramidBank = VbTrue;
    vars.BankBalance = 999;
    vars.Holdings[3] = {std::string("Grapes"), 20.0, 5.0};
    vars.ItemsCarried = 5;
    vars.AmountLimit = 77;
    vars.FinalScore = -4;
    tables.CurrentDay = 12;
    tables.MishapsEnabled = VbFalse;

    ResetGame(vars, tables);

    EXPECT_EQ(vars.Cash, 2000);
    EXPECT_EQ(vars.Debt, 5000);
    EXPECT_EQ(vars.BankBalance, 0);
    EXPECT_EQ(vars.HasPyramidBank, VbFalse);
    EXPECT_EQ(vars.SlaveCount, 100);
    EXPECT_EQ(vars.ItemsCarried, 0);
    EXPECT_EQ(vars.Favour, 0);
    EXPECT_EQ(vars.FavourStep, 3);
    EXPECT_EQ(vars.CurrentTown, 0);
    EXPECT_EQ(tables.CurrentDay, 0);
    EXPECT_EQ(tables.LastDay, 45);
    EXPECT_EQ(tables.MishapsEnabled, VbTrue);
    for (const auto& row : vars.Holdings)
        for (const Cell& cell : row)
            EXPECT_TRUE(IsEmpty(cell));
    EXPECT_EQ(vars.AmountLimit, 77) << "the dialog values are not part of a game";
    EXPECT_EQ(vars.FinalScore, -4);
}

} // namespace
} // namespace dunemark
