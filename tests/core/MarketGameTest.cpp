// A market game: every chance decided by the market's number, the day, the town and the item.
#include "GameFixture.h"
#include "core/Market.h"
#include "core/MarketNumber.h"

#include <cmath>

using namespace dunemark;

using std::chrono::year, std::chrono::month, std::chrono::day;

TEST(MarketNumber, ReadsDigitsOnlyWithinTheRange) {
    EXPECT_EQ(ReadMarketNumber("20261207"), 20261207u);
    EXPECT_EQ(ReadMarketNumber(" 00000042\t"), 42u);
    EXPECT_EQ(ReadMarketNumber("99999999"), 99999999u);
    for (const char* typed : {"", "  ", "0", "100000000", "-5", "+5", "1 2", "1,000", "12a", "4.0",
                              "\xd9\xa3" /* an Arabic 3 */, "99999999999999999999999999"})
        EXPECT_EQ(ReadMarketNumber(typed), std::nullopt) << '"' << typed << '"';

    EXPECT_EQ(MarketOfTheDay(year(2026) / month(12) / day(7)), 20261207u);
    EXPECT_EQ(MarketOfTheDay(year(987) / month(1) / day(31)), 9870131u);
    EXPECT_EQ(MarketOfTheDay(year(12026) / month(12) / day(31)), 99991231u);
}

// One game of a market, driven as the main window drives it, that records what it shows.
struct MarketPlayer : ScriptedGame {
    explicit MarketPlayer(std::uint32_t market) {
        ResetGame(vars, tables);
        tables.MarketNumber = market;
        random.script = {0.5f}; // the clock's generator is never asked
        GenerateMarket(vars, tables, services, 0);
    }
    std::string Prices(int town) const {
        std::string prices;
        for (int k = 1; k <= ItemCount; ++k)
            prices += std::to_string(std::lround(Price(k, town))) + ' ';
        prices.pop_back();
        return prices;
    }
    std::vector<std::string> Travel(int town) {
        messages.shown.clear();
        Move(static_cast<std::int16_t>(town));
        return messages.Texts();
    }
};

// "Gold high", "Grapes glut": a market event's message, short.
static std::string EventSaid(const std::string& said) {
    for (const auto& [phrase, word] : {std::pair(Phrase::PricesLow, "low"),
                                       {Phrase::MarketFlooded, "glut"},
                                       {Phrase::PharaohNeeds, "demand"},
                                       {Phrase::PricesHigh, "high"}}) {
        const std::string_view pattern = EnglishPattern(phrase);
        const auto at = pattern.find("%1");
        if (said.starts_with(pattern.substr(0, at)) && said.ends_with(pattern.substr(at + 2)))
            return said.substr(at, said.size() - pattern.size() + 2) + ' ' + word;
    }
    return said;
}

// The definition of a market game, pinned: a change of the rules or of the generator that moves
// any of these figures changes every market number's game, and must change this test on purpose.
TEST(MarketGame, TheSameNumberGivesTheSameGameOnEveryBuild) {
    std::vector<std::string> seen;
    for (const std::uint32_t market : {20261207u, 30u})
        for (std::int16_t d = 0; d < 2; ++d)
            for (std::int16_t town = 0; town < TownCount; ++town) { // as a player there meets it
                MarketPlayer player(market);
                player.vars.CurrentTown = town;
                GenerateMarket(player.vars, player.tables, player.services, d);
                seen.push_back(player.Prices(town));
            }
    EXPECT_EQ(seen, (std::vector<std::string>{
                        // market 20261207, day 0: Origon, Wailey, Foxton
                        "2238 2087 24 19 273 1078 139006 82319 2020 5196",
                        "1693 2097 40 23 200 886 120998 76050 1914 6943",
                        "3878 1248 36 10 279 1060 112722 40350 2420 6226",
                        // market 20261207, day 1: Origon, Wailey, Foxton
                        "2482 1686 3 18 217 1106 183423 43637 1035 3520",
                        "9032 1071 35 16 220 1137 111652 49366 2366 4211",
                        "4552 1055 37 17 409 1194 194167 55549 1256 5276",
                        // market 30, day 0: Origon, Wailey, Foxton
                        "4637 1305 33 14 46 756 187944 88284 2099 3606",
                        "3981 1814 44 16 170 529 126072 47964 1694 4675",
                        "4609 1612 138 16 448 637 150692 48875 1748 6105",
                        // market 30, day 1: Origon, Wailey, Foxton
                        "2648 1346 45 2 435 842 206157 86559 1822 4938",
                        "6926 2157 35 13 465 651 195949 94141 2262 4436",
                        "4135 1877 42 16 267 1192 143436 72053 2063 5405",
                    }));

    // The market events of the first fortnight, in whichever town the player is, and the
    // dangers of every day of a game with a bank.
    std::string events;
    MarketPlayer player(20261207);
    player.tables.CurrentDay = 1; // every event is told
    for (std::int16_t d = 1; d <= 14; ++d)
        for (int town = 0; town < TownCount; ++town) {
            player.vars.CurrentTown = static_cast<std::int16_t>(town);
            player.messages.shown.clear();
            GenerateMarket(player.vars, player.tables, player.services, d);
            for (const std::string& said : player.messages.Texts())
                events +=
                    std::to_string(d) + '/' + std::to_string(town) + ' ' + EventSaid(said) + "; ";
        }
    EXPECT_EQ(events, "1/0 Grapes glut; 1/1 Gold high; 2/0 Granite high; 2/1 Granite Statue glut; "
                      "2/1 Granite low; 2/2 Silver demand; 4/1 Water low; 6/0 Marble demand; "
                      "6/2 Gold low; 7/1 Gold demand; 8/0 Gold low; 10/1 Wheat low; "
                      "11/2 Gold glut; 12/0 Gold glut; 13/0 Wheat glut; 14/2 Marble glut; ");

    std::string dangers;
    for (const std::uint32_t market : {20261207u, 30u})
        for (std::int16_t d = 1; d <= GameDays; ++d) {
            player.tables.MarketNumber = market;
            player.vars = {.Cash = 1000, .HasPyramidBank = VbTrue, .BankBalance = 1000};
            player.vars.Favour = d <= 2 ? 100 : 0, player.tables.CurrentDay = d;
            player.messages.shown.clear();
            CarryOutDay(player.vars, player.tables, player.services);
            for (const std::string& said : player.messages.Texts())
                dangers += std::to_string(d) + ' ' + said.substr(said.rfind(' ') + 1) + "; ";
        }
    // Market 20261207, then 30: the bonus of the first two days, muggings and robberies.
    EXPECT_EQ(dangers, "1 268,504; 2 18,532; 31 mugged; 1 64,086; 2 89,234; 4 gone; 20 mugged; "
                       "31 gone; ");
}

// Two players on one market take different routes, one buys a bank and earns a bonus: wherever
// both are on the same day they meet the same prices and events, and the same dangers strike
// both on the same day.
TEST(MarketGame, RoutesAndPurchasesDoNotChangeTheMarkets) {
    constexpr std::uint32_t Market = 20261207;
    MarketPlayer first(Market), second(Market);
    int compared = 0, mugged = 0, events = 0;
    for (int d = 1; d <= GameDays; ++d) {
        if (d == 5)
            second.vars.HasPyramidBank = VbTrue, second.vars.BankBalance = 5000;
        if (d == 7)
            second.vars.Favour = 100;
        const int town1 = d % 2 == 1 ? (d / 2) % 3 : 2 - (d / 2) % 3;
        const int town2 = d % 3;
        auto said1 = first.Travel(town1 == first.vars.CurrentTown ? (town1 + 1) % 3 : town1);
        auto said2 = second.Travel(town2 == second.vars.CurrentTown ? (town2 + 2) % 3 : town2);
        // The bank's robberies and the bonus are the second player's alone.
        std::erase_if(said2, [](const std::string& s) {
            return s.starts_with("Your pyramid") || s.starts_with("The Pharoah is pleased");
        });
        const auto dangers = [](const std::vector<std::string>& said) {
            return std::count(said.begin(), said.end(), "You have been mugged");
        };
        EXPECT_EQ(dangers(said1), dangers(said2)) << "day " << d;
        mugged += static_cast<int>(dangers(said1));
        if (first.vars.CurrentTown == second.vars.CurrentTown) {
            EXPECT_EQ(first.Prices(first.vars.CurrentTown), second.Prices(second.vars.CurrentTown));
            EXPECT_EQ(said1, said2) << "day " << d;
            events += static_cast<int>(said1.size() - dangers(said1));
            ++compared;
        }
    }
    EXPECT_EQ(first.random.script.size() + second.random.script.size(), 2u);
    // The comparison saw something worth comparing.
    EXPECT_GE(compared, 10);
    EXPECT_GT(events, 0);
    EXPECT_GT(mugged, 0);
}
