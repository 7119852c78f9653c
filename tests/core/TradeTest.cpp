#include "core/Trade.h"

#include "core/SpecialProducts.h"

#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace dunemark {
namespace {

constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
constexpr int Row = 7; // the statues

// A game in which item `Row` costs the given price in every town and `held` were bought at 100.
class TradeTest : public ::testing::Test {
protected:
    void Start(DeclareVars start, double price, double held = 0) {
        vars = start;
        vars.MarketItems[Row] = {
            {{"Granite Statue", "Granite Statue", "Granite Statue"}, {price, price, price}}};
        if (held > 0)
            vars.Holdings[Row] = {std::string("Granite Statue"), 100.0, held};
    }
    double Held() const { return CellNumber(vars.Holdings[Row][QuantityField]); }
    double PricePaid() const { return CellNumber(vars.Holdings[Row][PriceField]); }
    void Buy(double quantity) { ApplyPurchase(vars, Row, quantity, OpenPurchase(vars, Row)); }
    void Sell(double quantity) { ApplySale(vars, Row, quantity, OpenSale(vars, Row, Held())); }

    DeclareVars vars;
};

// A purchase is refused for the money before the space; one that is not is offered the smaller
// of what the cash pays for and the space left. A price reads back with its separators.
TEST_F(TradeTest, ARefusalTestsMoneyBeforeSpaceAndAnOfferIsTheSmallerOfCashAndSpace) {
    EXPECT_EQ(InEnglish(*BuyRefusal({.Cash = 149, .ItemsCarried = 100}, 150)),
              "You aint got the dosh mate");
    EXPECT_EQ(InEnglish(*BuyRefusal({.Cash = 150, .ItemsCarried = 100}, 150)),
              "Ya not got enuff slaves");
    EXPECT_EQ(BuyRefusal({.Cash = 150, .ItemsCarried = 99}, 150), std::nullopt);
    EXPECT_EQ(InEnglish(*SellRefusal("")), "Nothing there to sell");
    EXPECT_EQ(ReadMoney("-4,857.5", ","), -4857.5);
    const std::tuple<std::int32_t, double, std::int16_t, std::int16_t, std::int32_t, std::int16_t,
                     std::int32_t>
        cases[] = {{2000, 150, 100, 0, 13, 100, 13},   {6000, 150, 100, 95, 40, 5, 5},
                   {150, 150, 100, 100, 1, 0, 0},      {Max, 1, 1000, 0, Max, 1000, 1000},
                   {2000, 149.5, 100, 0, 13, 100, 13}, {2000, 0, 100, 120, 0, -20, 0}};
    for (const auto& [cash, price, slaves, carried, canAfford, spaceLeft, limit] : cases) {
        Start({.Cash = cash, .SlaveCount = slaves, .ItemsCarried = carried}, price);
        const PurchaseOffer offer = OpenPurchase(vars, Row);
        EXPECT_EQ(std::make_tuple(offer.CanAfford, offer.SpaceLeft, vars.SpaceLeft, offer.Limit()),
                  std::make_tuple(canAfford, spaceLeft, spaceLeft, limit))
            << cash << "/" << price;
    }
}

// Gold and Granite, the first and the last rows of the market, trade like any other good.
TEST(Trade, TheFirstAndTheLastRowsTrade) {
    for (const int row : {1, ItemCount}) {
        DeclareVars vars;
        vars.MarketItems[row] = {{{"Gold", "Gold", "Gold"}, {10.0, 10.0, 10.0}}};
        ApplyPurchase(vars, row, 2, OpenPurchase(vars, row));
        EXPECT_EQ(CellNumber(vars.Holdings[row][QuantityField]), 2) << row;
    }
}

// Only the whole part of a quantity is bought; one below 1 changes nothing, as 0 does, and any
// other records the item and today's price.
TEST_F(TradeTest, APurchaseAddsToTheRowAndItsPriceReplacesTheOnePaidBefore) {
    const std::tuple<double, double, std::int32_t> cases[] = {{2.7, 2, 1700},    {1, 1, 1850},
                                                              {0.999, -1, 2000}, {0, -1, 2000},
                                                              {-5, -1, 2000},    {500, 13, 50}};
    for (const auto& [quantity, held, cash] : cases) { // -1: nothing recorded
        Start({}, 150);
        Buy(quantity);
        EXPECT_EQ(CellText(vars.Holdings[Row][NameField]), held < 0 ? "" : "Granite Statue");
        EXPECT_EQ(
            std::make_tuple(PricePaid(), Held(), vars.Cash, vars.ItemsCarried),
            std::make_tuple(held < 0 ? 0 : 150, std::max(held, 0.0), cash, std::max(held, 0.0)))
            << quantity;
    }
    Start({.Cash = 100000, .Favour = 50}, 100);
    vars.MarketItems[Row][PriceField] = {100.0, 120.0, 110.0};
    Buy(10);
    vars.CurrentTown = 1;
    Buy(5);
    EXPECT_EQ(std::make_tuple(Held(), PricePaid(), vars.Cash, vars.ItemsCarried),
              std::make_tuple(15, 120, 100000 - 1000 - 600, 15));
    vars.CurrentTown = 2;
    Sell(3);
    EXPECT_EQ(std::tie(vars.Favour, vars.Cash), std::make_tuple(47, 100000 - 1600 + 330));
}

// Only the whole part is sold, and selling exactly what is held empties the row. A sale of 1 or
// more moves the favour once: up when the price beats the 100 paid, else down to 0; less than 1
// changes nothing, as 0 does.
TEST_F(TradeTest, SellingLowersTheRowAndMovesTheFavourOnce) {
    const std::tuple<double, double, double, std::int16_t, double, std::int16_t> cases[] = {
        {13, 150, 13, 10, -1, 13},    {13, 150, 5, 10, 8, 13},         {3, 150, 2.5, 10, 1, 13},
        {3, 150, 3.5, 10, 0, 13},     {13, 150, 0, 10, 13, 10},        {13, 150, 20, 10, 0, 13},
        {100, 101, 0.5, 10, 100, 10}, {100, 100, 1, 10, 99, 7},        {100, 99, 100, 10, -1, 7},
        {100, 100, 5, 2, 95, 0},      {100, 1000, 1, 32766, 99, 32767}}; // -1: the row emptied
    for (const auto& [held, price, sold, favour, left, favourAfter] : cases) {
        SCOPED_TRACE(testing::Message() << held << " held, " << sold << " sold at " << price);
        Start({.ItemsCarried = static_cast<std::int16_t>(held), .Favour = favour}, price, held);
        Sell(sold);
        for (const Cell& field : vars.Holdings[Row])
            EXPECT_EQ(IsEmpty(field), left < 0);
        const double kept = std::max(left, 0.0);
        EXPECT_EQ(std::make_tuple(PricePaid(), Held(), vars.Cash, vars.ItemsCarried, vars.Favour),
                  std::make_tuple(left < 0 ? 0 : 100, kept, 2000 + (held - kept) * price, kept,
                                  favourAfter));
    }
    Start({.Cash = 2'000'000'000, .ItemsCarried = 3}, 400000, 1000); // a load out of step
    Sell(999);
    EXPECT_EQ(std::tie(vars.Cash, vars.ItemsCarried), std::make_tuple(Max, 0));
}

// A special product either changes the game and gives nothing, or gives its refusal and changes
// nothing; cash equal to the price is enough.
TEST(SpecialProducts, APurchaseNeedsTheMoneyAndSlavesStopAtTheLimit) {
    enum { Slaves = -1, Bank = -2 }; // else the index of a gift
    const std::tuple<int, std::int32_t, std::int16_t, std::int16_t, std::optional<Refusal>,
                     std::int32_t, std::int16_t, std::int16_t, Boolean>
        cases[] = {{0, 10000, 10, 100, {}, 0, 43, 100, VbFalse},
                   {4, 499, 10, 100, GiftTooDear, 499, 10, 100, VbFalse},
                   {1, 9999, 32760, 100, {}, 4999, 32767, 100, VbFalse},
                   {Slaves, 90000, 0, 999, {}, 0, 0, 1049, VbFalse},
                   {Slaves, 89999, 0, 1000, SlavesTooDear, 89999, 0, 1000, VbFalse},
                   {Slaves, 90000, 0, 1000, NoSlavesLeft, 90000, 0, 1000, VbFalse},
                   {Bank, 5000, 0, 100, {}, 0, 0, 100, VbTrue},
                   {Bank, 4999, 0, 100, BankTooDear, 4999, 0, 100, VbFalse}};
    for (const auto& [what, cash, favour, slaves, refusal, cashAfter, favourAfter, slavesAfter,
                      bank] : cases) {
        DeclareVars vars{.Cash = cash, .SlaveCount = slaves, .Favour = favour};
        const auto refused = what == Slaves ? BuySlaves(vars)
                             : what == Bank ? BuyPyramidBank(vars)
                                            : GiveGift(vars, what);
        EXPECT_EQ(std::tie(refused, vars.Cash, vars.Favour, vars.SlaveCount, vars.HasPyramidBank),
                  std::tie(refusal, cashAfter, favourAfter, slavesAfter, bank))
            << what << " " << cash;
    }
    // The bank is sold once, slaves up to the limit; the first panel offers what is left.
    EXPECT_EQ(FirstSpecialTab({.SlaveCount = 1000}), PyramidTab);
    EXPECT_EQ(FirstSpecialTab({.SlaveCount = 999, .HasPyramidBank = 1}), SlavesTab);
    EXPECT_EQ(FirstSpecialTab({.SlaveCount = 1000, .HasPyramidBank = VbTrue}), GiftTab);
    EXPECT_FALSE(PyramidTabEnabled({.HasPyramidBank = 1}) ||
                 SlavesTabEnabled({.SlaveCount = 1000}));
}

} // namespace
} // namespace dunemark
