#include "core/Trade.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace dunemark {
namespace {

constexpr std::int32_t MaxMoney = std::numeric_limits<std::int32_t>::max();
constexpr int Row = 7; // the statues

// A fresh game with a market in which item `Row` costs the given price in every town.
class TradeTest : public ::testing::Test {
protected:
    TradeTest() { SetPrice(150); }

    void SetPrice(double price) {
        for (int town = 0; town < TownCount; ++town) {
            vars.MarketItems[Row][NameField][town] = std::string("Granite Statue");
            vars.MarketItems[Row][PriceField][town] = price;
        }
    }
    void Hold(double pricePaid, double quantity) {
        vars.Holdings[Row] = {std::string("Granite Statue"), pricePaid, quantity};
        vars.ItemsCarried = static_cast<std::int16_t>(quantity);
    }

    double HeldQuantity() const { return CellNumber(vars.Holdings[Row][QuantityField]); }
    double PricePaid() const { return CellNumber(vars.Holdings[Row][PriceField]); }

    void Buy(double quantity) { ApplyPurchase(vars, Row, quantity, OpenPurchase(vars, Row)); }
    void Sell(double quantity) {
        ApplySale(vars, Row, quantity, OpenSale(vars, Row, HeldQuantity()));
    }

    DeclareVars vars;
};

TEST(ReadMoney, ReadsTheMarketPriceBackWithItsSeparators) {
    EXPECT_EQ(ReadMoney("4,857", ","), 4857);
    EXPECT_EQ(ReadMoney("", ","), 0);
    EXPECT_EQ(ReadMoney("1.234.567", "."), 1234567);
    EXPECT_EQ(ReadMoney("90\u00a0000", "\u00a0"), 90000);
    EXPECT_EQ(ReadMoney("4,857", ""), 4);
    EXPECT_EQ(ReadMoney("-2,000", ","), -2000);
}

TEST_F(TradeTest, BuyingIsRefusedForMoneyFirstThenForSpaceAndSellingForAnEmptyRow) {
    const std::string dosh = "You aint got the dosh mate";
    const std::string slaves = "Ya not got enuff slaves";
    const struct {
        std::int32_t cash;
        double shownPrice;
        std::int16_t carried;
        std::optional<std::string> refusal;
    } cases[] = {
        {149, 150, 0, dosh},      {149, 150, 100, dosh},        {150, 150, 100, slaves},
        {2000, 150, 100, slaves}, {150, 150, 99, std::nullopt}, {0, 0, 0, std::nullopt},
    };
    for (const auto& c : cases) {
        vars.Cash = c.cash;
        vars.ItemsCarried = c.carried;
        EXPECT_EQ(BuyRefusal(vars, c.shownPrice), c.refusal) << c.cash << " " << c.carried;
    }
    EXPECT_EQ(SellRefusal(""), "Nothing there to sell");
    EXPECT_EQ(SellRefusal("Water"), std::nullopt);
}

TEST_F(TradeTest, PurchaseOfferIsTheSmallerOfCashAndSpace) {
    const struct {
        std::int32_t cash;
        double price;
        std::int16_t slaves, carried;
        std::int32_t canAfford;
        std::int16_t spaceLeft;
        std::int32_t limit;
    } cases[] = {
        {2000, 150, 100, 0, 13, 100, 13},
        {6000, 150, 100, 95, 40, 5, 5},
        {149, 150, 100, 0, 0, 100, 0},
        {150, 150, 100, 100, 1, 0, 0},
        {MaxMoney, 1, 1000, 0, MaxMoney, 1000, 1000},
        {2000, 149.5, 100, 0, 13, 100, 13},
    };
    for (const auto& c : cases) {
        vars.Cash = c.cash;
        vars.SlaveCount = c.slaves;
        vars.ItemsCarried = c.carried;
        vars.SpaceLeft = -1;
        SetPrice(c.price);
        const PurchaseOffer offer = OpenPurchase(vars, Row);
        EXPECT_EQ(offer.CanAfford, c.canAfford) << c.cash << "/" << c.price;
        EXPECT_EQ(offer.SpaceLeft, c.spaceLeft);
        EXPECT_EQ(vars.SpaceLeft, c.spaceLeft);
        EXPECT_EQ(offer.Limit(), c.limit);
    }
}

TEST_F(TradeTest, OnlyTheWholePartOfAQuantityIsBought) {
    const struct {
        double quantity;
        bool rowListed;
        double held;
        std::int32_t cash;
    } cases[] = {
        {13, true, 13, 50},   {2.7, true, 2, 1700}, {0.5, false, 0, 2000}, {0, false, 0, 2000},
        {-5, false, 0, 2000}, {13.9, true, 13, 50}, {500, true, 13, 50}, // more than cash pays for
    };
    for (const auto& c : cases) {
        vars = DeclareVars{};
        SetPrice(150);
        Buy(c.quantity);
        EXPECT_EQ(IsEmpty(vars.Holdings[Row][QuantityField]), !c.rowListed) << c.quantity;
        if (c.rowListed) {
            EXPECT_EQ(CellText(vars.Holdings[Row][NameField]), "Granite Statue");
            EXPECT_EQ(PricePaid(), 150);
            EXPECT_TRUE(std::holds_alternative<double>(vars.Holdings[Row][QuantityField]));
        } else {
            EXPECT_TRUE(IsEmpty(vars.Holdings[Row][NameField])) << c.quantity;
        }
        EXPECT_EQ(HeldQuantity(), c.held) << c.quantity;
        EXPECT_EQ(vars.Cash, c.cash) << c.quantity;
        EXPECT_EQ(vars.ItemsCarried, c.held) << c.quantity;
    }
}

// Prices are those of the town the player is in, and a second purchase, in any town, adds to
// the same row with its price replacing the one paid before: the favour follows only that one.
TEST_F(TradeTest, BuyingMoreAddsToTheRowAndOnlyTheLatestPricePaidCounts) {
    vars.Cash = 100000;
    vars.MarketItems[Row][PriceField][0] = 100.0;
    vars.MarketItems[Row][PriceField][1] = 120.0;
    vars.MarketItems[Row][PriceField][2] = 110.0;
    Buy(10);
    vars.CurrentTown = 1;
    Buy(5);
    EXPECT_EQ(HeldQuantity(), 15);
    EXPECT_EQ(PricePaid(), 120);
    EXPECT_EQ(vars.Cash, 100000 - 1000 - 600);
    EXPECT_EQ(vars.ItemsCarried, 15);

    vars.CurrentTown = 2;
    EXPECT_EQ(OpenSale(vars, Row, 15).SalePrice, 110);
    vars.Favour = 50;
    Sell(3);
    EXPECT_EQ(vars.Favour, 47);
    EXPECT_EQ(vars.Cash, 100000 - 1600 + 330);
}

TEST_F(TradeTest, SaleOfferReadsTheShownQuantityAsAWholeNumber) {
    SetPrice(120.4);
    EXPECT_EQ(OpenSale(vars, Row, 13).SalePrice, 120);
    EXPECT_EQ(OpenSale(vars, Row, 13).QuantityHeld, 13);
    EXPECT_EQ(OpenSale(vars, Row, 0).QuantityHeld, 0);
    EXPECT_EQ(OpenSale(vars, Row, -4).QuantityHeld, 0);
}

// Only the whole part of a quantity is sold, and selling exactly what is held empties the row.
// A sale of 1 or more moves the favour once: up when the price beats the price paid, down
// (not below 0) otherwise.
TEST_F(TradeTest, SellingLowersTheRowAndMovesTheFavourOnce) {
    const struct {
        double held, price, sold;
        std::int16_t favour;
        bool emptied;
        double left;
        std::int16_t favourAfter;
    } cases[] = {
        {13, 150, 13, 10, true, 0, 13},      {13, 150, 5, 10, false, 8, 13},
        {3, 150, 2.5, 10, false, 1, 13},     {3, 150, 3.5, 10, false, 0, 13},
        {13, 150, 0, 10, false, 13, 10},     {13, 150, 20, 10, false, 0, 13},
        {100, 101, 0.5, 10, false, 100, 10}, {100, 100, 1, 10, false, 99, 7},
        {100, 99, 100, 10, true, 0, 7},      {100, 100, 5, 2, false, 95, 0},
        {100, 1, 5, 0, false, 95, 0},        {100, 1000, 1, 32766, false, 99, 32767},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.held << " at 100, " << c.sold << " sold at " << c.price);
        vars = DeclareVars{};
        SetPrice(c.price);
        Hold(100, c.held);
        vars.Favour = c.favour;
        Sell(c.sold);
        for (const Cell& field : vars.Holdings[Row])
            EXPECT_EQ(IsEmpty(field), c.emptied);
        if (!c.emptied) {
            EXPECT_EQ(CellText(vars.Holdings[Row][NameField]), "Granite Statue");
            EXPECT_EQ(PricePaid(), 100);
            EXPECT_EQ(HeldQuantity(), c.left);
        }
        EXPECT_EQ(vars.Cash, 2000 + (c.held - c.left) * c.price);
        EXPECT_EQ(vars.ItemsCarried, c.left);
        EXPECT_EQ(vars.Favour, c.favourAfter);
    }
}

TEST_F(TradeTest, MoneyAndLoadNeverWrap) {
    // A thousand statues at a Pharaoh's-demand price in a rich game.
    vars.Cash = 2000000000;
    SetPrice(400000);
    Hold(100, 1000);
    Sell(1000);
    EXPECT_EQ(vars.Cash, MaxMoney);

    // A load out of step with the rows goes no lower than nothing.
    Hold(100, 10);
    vars.ItemsCarried = 3;
    Sell(5);
    EXPECT_EQ(vars.ItemsCarried, 0);
}

} // namespace
} // namespace dunemark
