#include "GameFixture.h"
#include "core/Travel.h"

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

TEST_F(NewGameTest, TablesHoldTheTenGoodsAndThreeTowns) {
    EXPECT_EQ(tables.ItemNames[0], "Gold");
    EXPECT_EQ(tables.ItemNames[6], "Granite Statue");
    EXPECT_EQ(tables.ItemNames[9], "Granite");
    EXPECT_EQ(tables.BasePrices[3], 10);
    EXPECT_EQ(tables.BasePrices[6], 90000);
    EXPECT_EQ(tables.TownNames[1], "Wailey");
}

TEST_F(NewGameTest, TheFirstMoveOfAGameShowsNoMarketMessage) {
    class NullView final : public TravelView {
        void MarkTowns(std::int16_t) override {}
        void SuspendMarketRepaint() override {}
        void ShowMarket() override {}
        void ResumeMarketRepaint() override {}
        void ShowDay(std::int16_t) override {}
        void LastDayReached() override {}
        void GameOver() override {}
        void ShowStatus() override {}
    } view;
    // Every entry of the town entered has an event, yet the move still starts from day 0.
    random.fallback = ScriptedRandom::Wins(60);
    MoveToTown(vars, tables, 1, services, view);
    EXPECT_TRUE(messages.shown.empty());

    random.fallback = 0.0f;
    ScriptCurrentTown({{1, 0}});
    MoveToTown(vars, tables, 0, services, view);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Gold prices are low"});
}

} // namespace
} // namespace dunemark
