#include "core/SpecialProducts.h"

#include <gtest/gtest.h>
#include <limits>

namespace dunemark {
namespace {

// What a purchase may change.
struct Holding {
    std::int32_t cash;
    std::int16_t favour;
    std::int16_t slaves;
    Boolean bank;
    bool operator==(const Holding&) const = default;
};

Holding Of(const DeclareVars& vars) {
    return {vars.Cash, vars.Favour, vars.SlaveCount, vars.HasPyramidBank};
}

DeclareVars With(std::int32_t cash, std::int16_t slaves = 100, Boolean bank = VbFalse) {
    DeclareVars vars;
    vars.Cash = cash;
    vars.SlaveCount = slaves;
    vars.HasPyramidBank = bank;
    return vars;
}

TEST(SpecialProducts, AGiftIsBoughtWithExactlyItsCostAndRefusedOneShort) {
    for (int i = 0; i < GiftCount; ++i) {
        const auto gift = static_cast<std::size_t>(i);
        DeclareVars vars = With(Gifts.GiftCost[gift]);
        vars.Favour = 10;
        EXPECT_EQ(GiveGift(vars, i), std::nullopt) << i;
        EXPECT_EQ(Of(vars), (Holding{0, static_cast<std::int16_t>(10 + Gifts.GiftFavour[gift]), 100,
                                     VbFalse}))
            << i;

        DeclareVars poor = With(Gifts.GiftCost[gift] - 1);
        const Holding before = Of(poor);
        EXPECT_EQ(GiveGift(poor, i), GiftTooDear) << i;
        EXPECT_EQ(Of(poor), before) << i;
    }
}

TEST(SpecialProducts, FavourPassesAHundredButStopsAtItsWidth) {
    struct Case {
        std::int16_t favour;
        std::int16_t after;
    };
    const Case cases[] = {{90, 123},      {100, 133},     {-40, -7},
                          {32700, 32733}, {32760, 32767}, {32767, 32767}};
    for (const Case& c : cases) {
        DeclareVars vars = With(10000);
        vars.Favour = c.favour;
        EXPECT_EQ(GiveGift(vars, 0), std::nullopt);
        EXPECT_EQ(vars.Favour, c.after) << c.favour;
        EXPECT_EQ(vars.Cash, 0);
    }
}

TEST(SpecialProducts, SlavesAreSoldInPacksOfFiftyForNinetyThousand) {
    struct Case {
        std::int32_t cash;
        std::int16_t slaves;
        std::optional<Refusal> refusal;
        Holding after;
    };
    const Case cases[] = {
        {90000, 100, std::nullopt, {0, 0, 150, VbFalse}},
        {250000, 950, std::nullopt, {160000, 0, 1000, VbFalse}},
        {90000, 999, std::nullopt, {0, 0, 1049, VbFalse}},
        {89999, 100, SlavesTooDear, {89999, 0, 100, VbFalse}},
        {89999, 1000, SlavesTooDear, {89999, 0, 1000, VbFalse}}, // the money comes first
        {90000, 1000, NoSlavesLeft, {90000, 0, 1000, VbFalse}},
        {std::numeric_limits<std::int32_t>::max(),
         1200,
         NoSlavesLeft,
         {std::numeric_limits<std::int32_t>::max(), 0, 1200, VbFalse}},
    };
    for (const Case& c : cases) {
        DeclareVars vars = With(c.cash, c.slaves);
        EXPECT_EQ(BuySlaves(vars), c.refusal) << c.cash << " " << c.slaves;
        EXPECT_EQ(Of(vars), c.after) << c.cash << " " << c.slaves;
    }
}

TEST(SpecialProducts, ThePyramidBankCostsFiveThousand) {
    DeclareVars vars = With(5000);
    EXPECT_EQ(BuyPyramidBank(vars), std::nullopt);
    EXPECT_EQ(Of(vars), (Holding{0, 0, 100, VbTrue}));

    DeclareVars poor = With(4999);
    EXPECT_EQ(BuyPyramidBank(poor), BankTooDear);
    EXPECT_EQ(Of(poor), (Holding{4999, 0, 100, VbFalse}));
}

TEST(SpecialProducts, TheFirstPanelFollowsTheBankAndTheSlaveLimit) {
    struct Case {
        Boolean bank;
        std::int16_t slaves;
        bool pyramidEnabled;
        bool slavesEnabled;
        SpecialTab first;
    };
    const Case cases[] = {
        {VbFalse, 100, true, true, PyramidTab}, {VbFalse, 1000, true, false, PyramidTab},
        {VbTrue, 100, false, true, SlavesTab},  {VbTrue, 999, false, true, SlavesTab},
        {VbTrue, 1000, false, false, GiftTab},  {VbTrue, 1050, false, false, GiftTab},
        {1, 100, false, true, SlavesTab}, // any value but False counts as owning the bank
    };
    for (const Case& c : cases) {
        const DeclareVars vars = With(0, c.slaves, c.bank);
        EXPECT_EQ(PyramidTabEnabled(vars), c.pyramidEnabled) << c.bank << " " << c.slaves;
        EXPECT_EQ(SlavesTabEnabled(vars), c.slavesEnabled) << c.bank << " " << c.slaves;
        EXPECT_EQ(FirstSpecialTab(vars), c.first) << c.bank << " " << c.slaves;
    }
}

} // namespace
} // namespace dunemark
