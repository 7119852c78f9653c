#include "scores/HighScoreTable.h"

#include "platform/doubles/FakeClock.h"
#include "platform/doubles/MemorySettingsStore.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace dunemark {

void PrintTo(const HighScoreEntry& entry, std::ostream* out) {
    *out << '{' << entry.Name << ", " << entry.Date << ", " << entry.Total << '}';
}

namespace {

class HighScoreTableTest : public ::testing::Test {
protected:
    std::string Stored(const std::string& key) const {
        const auto found = store.values.find({"Dunemark", "Scores", key});
        return found == store.values.end() ? "(absent)" : found->second;
    }
    void Store(const std::string& key, const std::string& value) {
        store.values[{"Dunemark", "Scores", key}] = value;
    }
    void StorePlace(int k, const std::string& name, const std::string& date,
                    const std::string& time) {
        Store("Name" + std::to_string(k), name);
        Store("Date" + std::to_string(k), date);
        Store("Time" + std::to_string(k), time);
    }
    // Stores places 0..n-1 with the given totals, named P0, P1...
    void StoreTotals(const std::vector<int>& totals) {
        for (std::size_t k = 0; k < totals.size(); ++k)
            StorePlace(static_cast<int>(k), "P" + std::to_string(k), "01/01/26",
                       std::to_string(totals[k]));
    }
    HighScoreTable::AskName Answer(std::string answer) {
        return [this, answer] {
            ++asked;
            return answer;
        };
    }
    std::vector<std::int32_t> Totals() const {
        std::vector<std::int32_t> totals;
        for (const auto& entry : table.Entries())
            totals.push_back(entry.Total);
        return totals;
    }

    MemorySettingsStore store;
    FakeClock clock;
    HighScoreTable table{store, clock};
    int asked = 0;
};

TEST_F(HighScoreTableTest, AnEmptyStoreReadsAsTenDefaultPlaces) {
    table.LoadHighScores();
    for (const auto& entry : table.Entries())
        EXPECT_EQ(entry, (HighScoreEntry{"Nobody", "00/00/00", 100}));
}

TEST_F(HighScoreTableTest, ATotalEqualToTheDefaultsDoesNotEnterAndWritesNothing) {
    table.LoadHighScores();
    EXPECT_FALSE(table.FindHighScorePlace(100));
    table.AddHighScore(100, Answer("Ann"));
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(store.writes, 0);
    EXPECT_TRUE(store.values.empty());
}

TEST_F(HighScoreTableTest, TheFirstEntryWritesAllThirtyKeys) {
    table.LoadHighScores();
    table.AddHighScore(101, Answer("Ann"));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(store.values.size(), 30u);
    EXPECT_EQ(Stored("Name0"), "Ann");
    EXPECT_EQ(Stored("Date0"), "06/12/2026");
    EXPECT_EQ(Stored("Time0"), "101");
    for (int k = 1; k < 10; ++k) {
        EXPECT_EQ(Stored("Name" + std::to_string(k)), "Nobody");
        EXPECT_EQ(Stored("Date" + std::to_string(k)), "00/00/00");
        EXPECT_EQ(Stored("Time" + std::to_string(k)), "100");
    }
    EXPECT_EQ(table.Entries()[0], (HighScoreEntry{"Ann", "06/12/2026", 101}));
}

TEST_F(HighScoreTableTest, FindsTheFirstPlaceStrictlyBelowTheTotal) {
    StoreTotals({900, 800, 700, 600, 500, 400, 300, 200, 150, 120});
    table.LoadHighScores();
    const struct {
        std::int32_t total;
        std::optional<int> place;
    } cases[] = {
        {1000, 0}, {901, 0},  {900, 1},  {601, 3}, {600, 4},        {599, 4},
        {121, 9},  {120, {}}, {100, {}}, {-5, {}}, {2147483647, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(table.FindHighScorePlace(c.total), c.place) << c.total;
}

TEST_F(HighScoreTableTest, AnEqualTotalGoesBelowAndTheLowerPlacesMoveDown) {
    StoreTotals({900, 800, 700, 600, 500, 400, 300, 200, 150, 120});
    table.LoadHighScores();
    table.AddHighScore(600, Answer("Equal"));
    EXPECT_EQ(Totals(),
              (std::vector<std::int32_t>{900, 800, 700, 600, 600, 500, 400, 300, 200, 150}));
    EXPECT_EQ(table.Entries()[3].Name, "P3");
    EXPECT_EQ(table.Entries()[4].Name, "Equal");
    EXPECT_EQ(table.Entries()[5].Name, "P4");
    EXPECT_EQ(Stored("Name9"), "P8");
    EXPECT_EQ(Stored("Time4"), "600");
}

TEST_F(HighScoreTableTest, BeatingOnlyTheTenthPlaceReplacesItAlone) {
    StoreTotals({900, 800, 700, 600, 500, 400, 300, 200, 150, 120});
    table.LoadHighScores();
    table.AddHighScore(121, Answer("Last"));
    EXPECT_EQ(Totals(),
              (std::vector<std::int32_t>{900, 800, 700, 600, 500, 400, 300, 200, 150, 121}));
    EXPECT_EQ(Stored("Name8"), "P8");
    EXPECT_EQ(Stored("Name9"), "Last");
    EXPECT_EQ(store.values.size(), 30u);
}

TEST_F(HighScoreTableTest, AnEmptyAnswerIsMrNoNameAndAnyOtherIsKeptAsTyped) {
    const struct {
        std::string answer;
        std::string stored;
    } cases[] = {
        {"", "Mr NoName"},
        {"   ", "   "},
        {"  Ann  ", "  Ann  "},
        {"Smith, \"J\" = #1; [x] \\y\r\nz", "Smith, \"J\" = #1; [x] \\y\r\nz"},
        {"Ωμέγα 名前", "Ωμέγα 名前"},
    };
    for (const auto& c : cases) {
        store.values.clear();
        table.LoadHighScores();
        table.AddHighScore(5000, Answer(c.answer));
        EXPECT_EQ(Stored("Name0"), c.stored) << '"' << c.answer << '"';
    }
}

TEST_F(HighScoreTableTest, StoredTotalsReadAsRoundedLeadingNumbers) {
    const HighScoreEntry stored{"Ann", "02/03/26", 0};
    const auto kept = [&](std::int32_t total) { return HighScoreEntry{"Ann", "02/03/26", total}; };
    const struct {
        const char* text;
        HighScoreEntry entry;
    } cases[] = {
        {"12.5", kept(12)},
        {"13.5", kept(14)},
        {"7abc", kept(7)},
        {"-20", kept(-20)},
        {" 250 ", kept(250)},
        {"1e3", kept(1000)},
        {"99.5", kept(100)},
        {"2147483647", kept(2147483647)},
        {"-2147483648", kept(-2147483647 - 1)},
        // Nothing worth keeping: the place takes the default entry.
        {"abc", DefaultHighScore()},
        {"0", DefaultHighScore()},
        {"", DefaultHighScore()},
        {"0.4", DefaultHighScore()},
        {"-0.5", DefaultHighScore()},
        // Beyond the range of money: read like a missing total.
        {"2147483648", DefaultHighScore()},
        {"2147483647.5", DefaultHighScore()},
        {"-2147483649", DefaultHighScore()},
        {"1e300", DefaultHighScore()},
    };
    for (const auto& c : cases) {
        Store("Name0", stored.Name);
        Store("Date0", stored.Date);
        Store("Time0", c.text);
        table.LoadHighScores();
        EXPECT_EQ(table.Entries()[0], c.entry) << '"' << c.text << '"';
    }
}

TEST_F(HighScoreTableTest, APlaceWithATotalKeepsAMissingNameAndDateEmpty) {
    Store("Time2", "700");
    table.LoadHighScores();
    EXPECT_EQ(table.Entries()[2], (HighScoreEntry{"", "", 700}));
    EXPECT_EQ(table.Entries()[1], DefaultHighScore());
}

TEST_F(HighScoreTableTest, LoadingKeepsTheStoredOrder) {
    StoreTotals({100, 300, 200});
    table.LoadHighScores();
    EXPECT_EQ(Totals(),
              (std::vector<std::int32_t>{100, 300, 200, 100, 100, 100, 100, 100, 100, 100}));
}

TEST_F(HighScoreTableTest, ANegativeStoredTotalLetsAnyGreaterTotalIn) {
    StoreTotals({900, 800, 700, 600, 500, 400, 300, 200, 150, -20});
    table.LoadHighScores();
    EXPECT_EQ(table.FindHighScorePlace(-21), std::nullopt);
    EXPECT_EQ(table.FindHighScorePlace(-19), 9);
    table.AddHighScore(0, Answer("Zero"));
    EXPECT_EQ(table.Entries()[9], (HighScoreEntry{"Zero", "06/12/2026", 0}));
    EXPECT_EQ(Stored("Time9"), "0");
}

TEST_F(HighScoreTableTest, AnEntryStoredWhileTheNameWasAskedIsKept) {
    // Another copy of the program finishes its game while this one's prompt is open.
    StoreTotals({900, 800});
    table.LoadHighScores();
    table.AddHighScore(850, [this] {
        HighScoreTable other(store, clock);
        other.LoadHighScores();
        other.AddHighScore(1000, [] { return std::string("Other"); });
        return std::string("Mine");
    });
    EXPECT_EQ(Stored("Name0"), "Other");
    EXPECT_EQ(Stored("Name1"), "P0");
    EXPECT_EQ(Stored("Name2"), "Mine");
    EXPECT_EQ(Stored("Name3"), "P1");
    EXPECT_EQ(table.Entries()[2].Name, "Mine");
}

TEST_F(HighScoreTableTest, ATotalPushedOutMeanwhileIsNotWritten) {
    // While the prompt was open another copy filled the table with better totals.
    table.LoadHighScores();
    table.AddHighScore(150, [this] {
        StoreTotals({900, 800, 700, 600, 500, 400, 300, 200, 190, 180});
        return std::string("Late");
    });
    EXPECT_EQ(Stored("Name9"), "P9");
    EXPECT_EQ(Stored("Time9"), "180");
    EXPECT_EQ(table.Entries()[9].Total, 180);
}

TEST_F(HighScoreTableTest, SavingWritesEveryPlaceInOneStep) {
    table.LoadHighScores();
    table.SaveHighScores();
    EXPECT_EQ(store.updates, 1);
    EXPECT_EQ(store.writes, 30);
    EXPECT_EQ(Stored("Time9"), "100");
}

} // namespace
} // namespace dunemark
