#include "core/Travel.h"

#include "GameFixture.h"
#include "core/Saturate.h"

#include <limits>
#include <string>
#include <vector>

namespace dunemark {
namespace {

// Records what the move asked of the window, in order.
class RecordingView final : public TravelView {
public:
    void MarkTowns(std::int16_t town) override { calls.push_back("mark " + std::to_string(town)); }
    void SuspendMarketRepaint() override { calls.push_back("suspend"); }
    void ShowMarket() override { calls.push_back("market"); }
    void ResumeMarketRepaint() override { calls.push_back("resume"); }
    void ShowDay(std::int16_t day) override { calls.push_back("day " + std::to_string(day)); }
    void LastDayReached() override { calls.push_back("last day"); }
    void GameOver() override { calls.push_back("game over"); }
    void ShowStatus() override { calls.push_back("status"); }
    std::vector<std::string> calls;
};

class TravelTest : public GameFixture {
protected:
    MoveResult Move(std::int16_t town) { return MoveToTown(vars, tables, town, services, view); }
    // Alternates between two towns until the given day has begun.
    void TravelUntilDay(int day) {
        while (tables.CurrentDay < day)
            Move(vars.CurrentTown == 0 ? 1 : 0);
    }
    RecordingView view;
};

TEST_F(TravelTest, AMoveRunsItsStepsInOrderAndTheCurrentTownIsNoMove) {
    EXPECT_EQ(Move(2), MoveResult::DayBegun);
    const std::vector<std::string> expected = {"mark 2", "suspend", "market",
                                               "resume", "day 1",   "status"};
    EXPECT_EQ(view.calls, expected);
    EXPECT_EQ(vars.CurrentTown, 2);
    EXPECT_EQ(DayCaption(tables.CurrentDay), "Dunemark - Day 1");

    const DeclareVars before = vars;
    view.calls.clear();
    EXPECT_EQ(Move(2), MoveResult::Stayed);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(tables.CurrentDay, 1);
    EXPECT_EQ(vars.Debt, before.Debt);
    EXPECT_EQ(vars.MarketItems, before.MarketItems);
}

TEST_F(TravelTest, TheLoanGrowsByATenthEachDay) {
    const std::int32_t expected[] = {5500, 6050, 6655, 7321};
    for (std::int32_t debt : expected) {
        TravelUntilDay(tables.CurrentDay + 1);
        EXPECT_EQ(vars.Debt, debt) << "day " << tables.CurrentDay;
    }
    TravelUntilDay(45);
    EXPECT_EQ(vars.Debt, 364467);
}

TEST_F(TravelTest, InterestRoundsHalfToEven) {
    vars.Debt = 15;
    vars.BankBalance = 1050;
    CarryOutDay(vars, tables, services);
    EXPECT_EQ(vars.Debt, 16);
    EXPECT_EQ(vars.BankBalance, 1102);
}

TEST_F(TravelTest, MuggingTakesAQuarterOfTheCash) {
    struct Case {
        std::int32_t cash, left;
    };
    for (const Case c : {Case{2000, 1500}, Case{6, 4}}) {
        vars.Cash = c.cash;
        messages.shown.clear();
        random.script = {ScriptedRandom::Wins(100)};
        CarryOutDay(vars, tables, services);
        EXPECT_EQ(vars.Cash, c.left);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0], (ShownMessage{"You have been mugged", "Dunemark",
                                                   MsgIcon::Critical, MsgButtons::Ok}));
    }
}

TEST_F(TravelTest, ARobberyNeedsAPyramidBank) {
    vars.BankBalance = 0;
    random.script = {0.0f, ScriptedRandom::Wins(50)};
    CarryOutDay(vars, tables, services);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(vars.BankBalance, 0) << "bank interest on nothing stays nothing";

    vars.HasPyramidBank = VbTrue;
    vars.BankBalance = 1000;
    random.script = {ScriptedRandom::Wins(100), ScriptedRandom::Wins(50)};
    CarryOutDay(vars, tables, services);
    EXPECT_EQ(vars.BankBalance, 525); // 1050 halved
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{
                                    "You have been mugged",
                                    "Your pyramid bank was robbed, half your fortune has gone"}));
}

TEST_F(TravelTest, NoMishapsWhileTheyAreSwitchedOff) {
    tables.MishapsEnabled = VbFalse;
    vars.HasPyramidBank = VbTrue;
    random.fallback = ScriptedRandom::Wins(100);
    CarryOutDay(vars, tables, services);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TravelTest, AFavourOfAHundredBringsTheBonus) {
    const std::string pleased = "The Pharoah is pleased with you progress\r\nYou received a cash "
                                "bonus of ";
    const struct {
        std::int16_t favour;
        float draw;
        std::int16_t favourAfter;
        std::int32_t cashAfter;
        std::vector<std::string> said;
    } cases[] = {
        {99, 0.5f, 99, 1000, {}},
        {130, 0.5f, 0, 151000, {pleased + "150,000"}},
        {100, 0.0f, 0, 1000, {pleased}}, // a bonus of nothing ends its message after "of"
    };
    for (const auto& c : cases) {
        vars.Favour = c.favour;
        vars.Cash = 1000;
        messages.shown.clear();
        random.script = {0.0f, c.draw};
        CarryOutDay(vars, tables, services);
        EXPECT_EQ(vars.Favour, c.favourAfter) << c.favour;
        EXPECT_EQ(vars.Cash, c.cashAfter) << c.favour;
        EXPECT_EQ(messages.Texts(), c.said) << c.favour;
        for (const ShownMessage& shown : messages.shown)
            EXPECT_EQ(shown.icon, MsgIcon::Exclamation);
    }
}

// The last day still charges interest and warns; a move from it ends the game without any.
TEST_F(TravelTest, TheLastDayWarnsAndAMoveFromItEndsTheGame) {
    TravelUntilDay(44);
    std::int32_t debt = vars.Debt;
    view.calls.clear();
    Move(vars.CurrentTown == 0 ? 1 : 0);
    EXPECT_EQ(vars.Debt, RoundMoney(debt * 1.1));
    const std::vector<std::string> tail(view.calls.end() - 3, view.calls.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"day 45", "last day", "status"}));
    EXPECT_EQ(messages.shown.back(), (ShownMessage{"This is you last day, better sell your stock",
                                                   "Dunemark", MsgIcon::Critical, MsgButtons::Ok}));

    debt = vars.Debt;
    view.calls.clear();
    EXPECT_EQ(Move(vars.CurrentTown == 0 ? 1 : 0), MoveResult::GameEnded);
    EXPECT_EQ(tables.CurrentDay, 46);
    EXPECT_EQ(vars.Debt, debt);
    EXPECT_EQ(view.calls.back(), "game over");
    EXPECT_EQ(Move(2), MoveResult::Stayed) << "no day begins after the game has ended";
    EXPECT_EQ(tables.CurrentDay, 46);
}

TEST_F(TravelTest, TheFirstMoveOfAGameShowsNoMarketMessage) {
    // Every entry of the town entered has an event, yet the move still starts from day 0.
    random.fallback = ScriptedRandom::Wins(60);
    Move(1);
    EXPECT_TRUE(messages.shown.empty());

    random.fallback = 0.0f;
    ScriptCurrentTown({{1, 0}});
    Move(0);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Gold prices are low"});
}

TEST_F(TravelTest, MoneyNeverWrapsAround) {
    vars.Debt = 2000000000;
    vars.Cash = 2147400000;
    vars.Favour = 100;
    random.script = {0.0f, 299999.5f / 300000.0f};
    CarryOutDay(vars, tables, services);
    EXPECT_EQ(vars.Debt, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(vars.Cash, std::numeric_limits<std::int32_t>::max());
    CarryOutDay(vars, tables, services);
    EXPECT_EQ(vars.Debt, std::numeric_limits<std::int32_t>::max());
}

} // namespace
} // namespace dunemark
