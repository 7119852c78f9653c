#include "core/Market.h"

#include "GameFixture.h"
#include "core/NumberText.h"

namespace dunemark {
namespace {

class MarketTest : public GameFixture {
protected:
    double PriceOf(int item, int town) {
        return std::get<double>(vars.MarketItems[item][PriceField][town]);
    }
};

constexpr int Gold = 1, Water = 4, Sphinx = 8, Granite = 10;

TEST_F(MarketTest, FillsNamesAndUsualPricesInEveryTown) {
    random.fallback = HighestDraw;
    GenerateMarket(vars, tables, services);
    for (int t = 0; t < TownCount; ++t) {
        EXPECT_EQ(std::get<std::string>(vars.MarketItems[Granite][NameField][t]), "Granite");
        EXPECT_EQ(PriceOf(Water, t), 24);
        EXPECT_EQ(PriceOf(Gold, t), 4857);
    }
    EXPECT_EQ(FormatMoney(PriceOf(Gold, 0), ","), "4,857");

    random.fallback = 0.0f;
    GenerateMarket(vars, tables, services);
    for (int t = 0; t < TownCount; ++t)
        EXPECT_EQ(PriceOf(Water, t), 10);
}

TEST_F(MarketTest, ReseedsFromTheClockBeforeEachOfTheThirtyEntries) {
    clock.seconds = 1234.5;
    GenerateMarket(vars, tables, services);
    ASSERT_EQ(random.seeds.size(), 30u);
    EXPECT_EQ(random.seeds.front(), 1234.5);
    // Four event draws and a price draw for every entry when no event happens.
    EXPECT_EQ(random.draws, 150);
}

TEST_F(MarketTest, EachEventSetsItsPriceAndStopsTheTests) {
    tables.CurrentDay = 3;
    ScriptCurrentTown({{1, 0.0f}, {2, 0.0f}, {3, 0.0f}, {2, HighestDraw}, {4, 0.0f}});
    GenerateMarket(vars, tables, services);
    EXPECT_EQ(PriceOf(1, 0), 1000);  // low: half the base price
    EXPECT_EQ(PriceOf(2, 0), 90);    // glut: a tenth of 900
    EXPECT_EQ(PriceOf(3, 0), 60);    // the Pharaoh's demand: three times 20
    EXPECT_EQ(PriceOf(Water, 0), 2); // glut of Water at its dearest: 24 * 0.1
    EXPECT_EQ(PriceOf(5, 0), 400);   // high: twice 200
    EXPECT_EQ(PriceOf(6, 0), 500);   // no event
}

TEST_F(MarketTest, AGlutOfWaterNeverMakesItFree) {
    ScriptCurrentTown({{0, 0}, {0, 0}, {0, 0}, {2, 0.0f}});
    GenerateMarket(vars, tables, services);
    EXPECT_EQ(PriceOf(Water, 0), 1);
}

TEST_F(MarketTest, MessagesOnlyAfterDayZeroAndInItemOrder) {
    ScriptCurrentTown({{1, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {3, 0}});
    GenerateMarket(vars, tables, services);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(PriceOf(Gold, 0), 1000) << "the event still sets its price on day 0";

    tables.CurrentDay = 1;
    ScriptCurrentTown(
        {{1, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {3, 0}, {2, 0}, {4, 0}});
    GenerateMarket(vars, tables, services);
    const std::vector<ShownMessage> expected = {
        {"Gold prices are low", "Dunemark", MsgIcon::None, MsgButtons::Ok},
        {"The Pharoah needs Sphinx for his personal use, and so\r\nthe price has gone up",
         "Dunemark", MsgIcon::None, MsgButtons::Ok},
        {"The market has been flooded with cheap Marble and so prices are very low", "Dunemark",
         MsgIcon::None, MsgButtons::Ok},
        {"Granite prices are high", "Dunemark", MsgIcon::None, MsgButtons::Ok},
    };
    EXPECT_EQ(messages.shown, expected);
    EXPECT_EQ(PriceOf(Sphinx, 0), 120000);
}

TEST_F(MarketTest, OtherTownsNeverHaveAnEvent) {
    tables.CurrentDay = 5;
    vars.CurrentTown = 2;
    // Every draw wins a chance of one in 60, which would be low prices in the current town.
    random.fallback = ScriptedRandom::Wins(60);
    GenerateMarket(vars, tables, services);
    for (int k = 1; k <= ItemCount; ++k) {
        const double base = tables.BasePrices[k - 1];
        for (int t : {0, 1}) {
            EXPECT_GE(PriceOf(k, t), base);
            EXPECT_LT(PriceOf(k, t), base + base / 0.7);
        }
        EXPECT_LT(PriceOf(k, 2), base) << "low prices in the town the player is in";
    }
    EXPECT_EQ(messages.shown.size(), 10u);
}

} // namespace
} // namespace dunemark
