#include "GameFixture.h"
#include "core/Burial.h"
#include "core/GameOver.h"
#include "core/Market.h"
#include "core/NumberText.h"
#include "core/SpecialProducts.h"
#include "core/Trade.h"
#include "core/VersionText.h"
#include "platform/ClockSeededRandom.h"

#include <limits>
#include <set>

using namespace dunemark;

constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
constexpr double Huge = std::numeric_limits<double>::max();

// The number a text begins with, money and plain numbers written, and a number box kept within
// its limit.
TEST(NumberText, ReadsWritesAndBoxesNumbers) {
    const std::pair<const char*, double> cases[] = {
        {"12abc", 12},   {"abc", 0},        {"", 0},        {"2.50", 2.5}, {"1,500", 1},
        {"2e3", 2000},   {"2E+3", 2000},    {"25e-1", 2.5}, {"-50", -50},  {" 7", 7},
        {"+8", 8},       {"\t-3.5x", -3.5}, {"\r\n5", 5},   {".5", 0.5},   {"5.", 5},
        {"-", 0},        {".", 0},          {"e5", 0},      {"3e+", 3},    {"1 2", 12},
        {"1e999", Huge}, {"-1e999", -Huge}, {"1e-999", 0}};
    for (const auto& [text, number] : cases)
        EXPECT_EQ(LeadingNumber(text), number) << '"' << text << '"';

    const std::pair<double, const char*> money[] = {
        {0.4, ""}, {-20, "-20"}, {1999.6, "2,000"}, {-123456, "-123,456"}, {1e9, "1,000,000,000"}};
    for (const auto& [value, text] : money)
        EXPECT_EQ(FormatMoney(value, ","), text) << value;
    EXPECT_EQ(PlainNumber(-0.0) + " " + PlainNumber(-1999.6), "0 -1999.6");
    EXPECT_EQ(FormatMoney(1234567, "\u202f"), "1\u202f234\u202f567");

    constexpr auto Whole = LimitCheck::WholePart, Exact = LimitCheck::Exact;
    const std::tuple<const char*, double, LimitCheck, const char*> boxed[] = {
        {"12abc", 100, Whole, "12"},  {"abc", 100, Whole, "0"},     {"-5", 100, Whole, "0"},
        {"5.5", 5, Whole, "5.5"},     {"6", 5, Whole, "5"},         {"3", -4, Exact, "0"},
        {"99.9", 100, Exact, "99.9"}, {"100.5", 100, Exact, "100"}, {"1e999", 9, Whole, "9"}};
    for (const auto& [typed, limit, check, shown] : boxed)
        EXPECT_EQ(NumberBoxText(typed, limit, check), shown) << typed << " " << limit;
    // The version as About writes it: the minor part in two digits, the revision in four.
    EXPECT_EQ(VersionText(1, 0, 0) + " " + VersionText(2, 15, 12345), "1.00.0000 2.15.12345");
}

// The total is bank plus cash minus the loan and never wraps; each burial rank must be beaten, not
// reached.
TEST(GameOver, TheTotalNeverWrapsAndEachBurialRankMustBeBeatenNotReached) {
    EXPECT_EQ(FinalTotal(3000, 12000, 5000), 10000);
    EXPECT_EQ(FinalTotal(Max, 1, 0), Max);
    EXPECT_EQ(FinalTotal(Min, 0, Max), Min);
    const std::pair<std::int32_t, int> cases[] = {{Max, 0},        {50'000'001, 0}, {50'000'000, 1},
                                                  {20'000'001, 1}, {20'000'000, 2}, {10'000'001, 2},
                                                  {10'000'000, 3}, {500'001, 3},    {500'000, 4},
                                                  {100'001, 4},    {100'000, 5},    {Min, 5}};
    for (const auto& [total, rank] : cases)
        EXPECT_EQ(BurialRank(total), rank) << total;
    EXPECT_EQ(InEnglish(BurialCaption(BurialRanks)), "You were just tossed into the desert");
}

TEST(ClockSeededRandom, TheSameClockReadingNeverRepeatsTheDraws) {
    ClockSeededRandom random(7);
    std::set<float> draws;
    for (int entry = 0; entry < 30; ++entry) // a market's entries within one clock tick
        random.Randomize(36000.0), draws.insert(random.Rnd());
    EXPECT_EQ(draws.size(), 30u);
}

struct RulesTest : ::testing::Test, ScriptedGame {};

TEST_F(RulesTest, ANewGameReplacesARunningOne) {
    const auto game = [this] {
        return std::tie(vars.CurrentTown, vars.Cash, vars.SlaveCount, vars.ItemsCarried,
                        vars.FavourStep, vars.Debt, vars.HasPyramidBank, vars.BankBalance,
                        vars.Favour, vars.AmountLimit, tables.CurrentDay, tables.LastDay,
                        tables.MishapsEnabled);
    };
    game() = std::make_tuple(2, 1, 7, 5, 1, 9, VbTrue, 9, 50, 7, 12, 3, VbFalse);
    vars.Holdings[3][NameField] = std::string("Grapes");
    ResetGame(vars, tables);
    EXPECT_EQ(game(), std::make_tuple(0, 2000, 100, 0, 3, 5000, VbFalse, 0, 0, 7, 0, 45, VbTrue));
    EXPECT_TRUE(IsEmpty(vars.Holdings[3][NameField]));
}

TEST_F(RulesTest, UsualPricesRunFromTheBasePriceToTwoAndAHalfTimesIt) {
    random.fallback = HighestDraw;
    GenerateMarket(vars, tables, services, tables.CurrentDay);
    const double highest[] = {4857, 2185, 48, 24, 485, 1214, 218571, 97142, 2428, 7285};
    for (int t = 0; t < TownCount; ++t) {
        EXPECT_EQ(CellText(vars.MarketItems[ItemCount][NameField][t]), "Granite");
        for (int k = 1; k <= ItemCount; ++k)
            EXPECT_EQ(Price(k, t), highest[k - 1]) << k << " in " << t;
    }
    EXPECT_EQ(random.seeds, std::vector<double>(30, clock.seconds)) << "reseeded for each entry";
}

TEST_F(RulesTest, EachMarketEventSetsItsPriceAndIsTold) {
    const float L = ScriptedRandom::Wins(60), G = ScriptedRandom::Wins(90),
                D = ScriptedRandom::Wins(180), H = ScriptedRandom::Wins(120), Top = HighestDraw;
    tables.CurrentDay = 3;
    // Each entry of the current town: the event tests up to the one won, then the price.
    random.script = {L, 0, L, Top, 0, 0, D, 0, 0, G, Top, 0, 0, 0, H, 0, 0, G, 0};
    GenerateMarket(vars, tables, services, tables.CurrentDay);
    const double prices[] = {1000, 1092, 60, 2, 400, 50};
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(Price(k), prices[k - 1]) << k;
    const std::vector<std::string> said = messages.Texts();
    EXPECT_EQ(said.size(), 6u);
    EXPECT_EQ(said[2],
              "The Pharoah needs Grapes for his personal use, and so\r\nthe price has gone up");
    EXPECT_EQ(said[3], "The market has been flooded with cheap Water and so prices are very low");
    EXPECT_EQ(said[1] + said[4], "Silver prices are lowWheat prices are high");
}

// A move: a new market where only the current town has events, then a new day. The loan grows
// by a tenth a day; the last day warns, and a move from it ends the game.
TEST_F(RulesTest, AGameLastsFortyFiveDays) {
    random.fallback = ScriptedRandom::Wins(60); // every entry wins its test for low prices
    EXPECT_EQ(Move(2), MoveResult::DayBegun);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"mark 2", "suspend", "market", "resume",
                                                    "day 1", "status"}));
    EXPECT_EQ(Move(2), MoveResult::Stayed);
    EXPECT_EQ(std::tuple(view.calls.size(), InEnglish(DayCaption(tables.CurrentDay)), vars.Debt),
              std::tuple(6u, "Dunemark - Day 1", 5500));
    EXPECT_EQ(Move(0), MoveResult::DayBegun);
    EXPECT_EQ(messages.shown.size(), 10u) << "the second market's events: the first tells none";

    random.fallback = 0;
    messages.shown.clear();
    while (tables.CurrentDay < 45)
        EXPECT_EQ(MoveOn(), MoveResult::DayBegun);
    EXPECT_EQ(view.calls.end()[-2], "last day");
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{"This is you last day, better sell your stock"}));
    EXPECT_EQ(MoveOn(), MoveResult::GameEnded);
    EXPECT_EQ(std::tie(view.calls.back(), vars.Debt), std::tuple("game over", 364467));
    EXPECT_EQ(MoveOn(), MoveResult::Stayed);
}

TEST_F(RulesTest, ADayBringsInterestMishapsAndThePharaohsBonus) {
    const std::string mugged = "You have been mugged",
                      robbed = "Your pyramid bank was robbed, half your fortune has gone",
                      bonus = "The Pharoah is pleased with you progress\r\nYou received a cash "
                              "bonus of ";
    const float mug = ScriptedRandom::Wins(100), rob = ScriptedRandom::Wins(50);
    // Interest on 15 and 30 brings ties, which go to the even neighbour: 16 and 32.
    const std::tuple<Boolean, Boolean, std::int16_t, std::vector<float>, std::int32_t, std::int32_t,
                     std::vector<std::string>>
        cases[] = {{VbTrue, VbFalse, 0, {mug, rob}, 1500, 32, {mugged}},
                   {VbTrue, VbTrue, 0, {0, rob}, 2000, 16, {robbed}},
                   {VbFalse, VbTrue, 0, {mug, rob}, 2000, 32, {}},
                   {VbTrue, VbFalse, 99, {0, HighestDraw}, 2000, 32, {}},
                   {VbTrue, VbFalse, 130, {0, 0.5f}, 152000, 32, {bonus + "150,000"}},
                   {VbFalse, VbFalse, 100, {HighestDraw}, 301999, 32, {bonus + "299,999"}}};
    for (const auto& [mishaps, bank, favour, draws, cash, balance, said] : cases) {
        vars = {
            .Cash = 2000, .Debt = 15, .HasPyramidBank = bank, .BankBalance = 30, .Favour = favour};
        tables.MishapsEnabled = mishaps;
        random.script.assign(draws.begin(), draws.end());
        messages.shown.clear();
        CarryOutDay(vars, tables, services);
        EXPECT_EQ(std::tie(vars.Debt, vars.Cash, vars.BankBalance, vars.Favour),
                  std::make_tuple(16, cash, balance, favour < 100 ? favour : 0));
        EXPECT_EQ(messages.Texts(), said) << favour;
        for (const ShownMessage& shown : messages.shown)
            EXPECT_EQ(shown.icon, favour ? MsgIcon::Exclamation : MsgIcon::Critical);
    }
}

constexpr int Row = 7; // the statues

// A game in which item `Row` costs the given price in every town and `held` were bought at 100.
struct TradeTest : ::testing::Test {
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
    // Gold and Granite, the first and the last rows of the market, trade like any other good.
    for (const int row : {1, ItemCount}) {
        vars = {};
        vars.MarketItems[row] = {{{"Gold", "Gold", "Gold"}, {10.0, 10.0, 10.0}}};
        ApplyPurchase(vars, row, 2, OpenPurchase(vars, row));
        EXPECT_EQ(CellNumber(vars.Holdings[row][QuantityField]), 2) << row;
    }
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
