#include "scores/HighScoreTable.h"

#include "platform/doubles/FakeClock.h"
#include "platform/doubles/MemorySettingsStore.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace dunemark {

void PrintTo(const HighScoreEntry& entry, std::ostream* out) {
    *out << '{' << entry.Name << ", " << entry.Date << ", " << entry.Total << '}';
}

namespace {

using Totals = std::vector<std::int32_t>;
const Totals Full = {900, 800, 700, 600, 500, 400, 300, 200, 150, 120};

class HighScoreTableTest : public ::testing::Test {
protected:
    std::string Stored(const std::string& key) const {
        const auto found = store.values.find({"Dunemark", "Scores", key});
        return found == store.values.end() ? "(absent)" : found->second;
    }
    void Store(const std::string& key, const std::string& value) {
        store.values[{"Dunemark", "Scores", key}] = value;
    }
    // Stores places 0..n-1 with the given totals, named P0, P1...
    void StoreTotals(const Totals& totals) {
        for (std::size_t k = 0; k < totals.size(); ++k) {
            const std::string place = std::to_string(k);
            Store("Name" + place, "P" + place);
            Store("Date" + place, "01/01/26");
            Store("Time" + place, std::to_string(totals[k]));
        }
    }
    HighScoreTable::AskName Answer(std::string answer) {
        return [this, answer] {
            ++asked;
            return answer;
        };
    }
    Totals EntryTotals() const {
        Totals totals;
        for (const auto& entry : table.Entries())
            totals.push_back(entry.Total);
        return totals;
    }

    MemorySettingsStore store;
    FakeClock clock;
    HighScoreTable table{store, clock};
    int asked = 0;
};

TEST_F(HighScoreTableTest, FindsTheFirstPlaceStrictlyBelowTheTotal) {
    StoreTotals(Full);
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

// The new entry is "New"; the places below it move down a place and the last drops out.
TEST_F(HighScoreTableTest, AnEntryGoesBelowEqualTotalsAndIsStoredWithAllThirtyKeys) {
    const Totals negativeLast = {900, 800, 700, 600, 500, 400, 300, 200, 150, -20};
    const struct {
        const char* what;
        Totals stored;
        std::int32_t total;
        std::optional<int> place;
        Totals after;
    } cases[] = {
        {"100 among the defaults", {}, 100, {}, Totals(10, 100)},
        {"101 among the defaults", {}, 101, 0, {101, 100, 100, 100, 100, 100, 100, 100, 100, 100}},
        {"an equal total", Full, 600, 4, {900, 800, 700, 600, 600, 500, 400, 300, 200, 150}},
        {"above the tenth", Full, 121, 9, {900, 800, 700, 600, 500, 400, 300, 200, 150, 121}},
        {"0 above a negative tenth",
         negativeLast,
         0,
         9,
         {900, 800, 700, 600, 500, 400, 300, 200, 150, 0}},
        {"below a negative tenth", negativeLast, -21, {}, negativeLast},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        store = MemorySettingsStore{};
        asked = 0;
        StoreTotals(c.stored);
        table.LoadHighScores();
        table.AddHighScore(c.total, Answer("New"));
        EXPECT_EQ(EntryTotals(), c.after);
        EXPECT_EQ(asked, c.place ? 1 : 0);
        // An empty store reads as ten default places, of which the first may be taken.
        for (std::size_t k = c.place ? 1 : 0; c.stored.empty() && k < 10; ++k)
            EXPECT_EQ(table.Entries()[k], (HighScoreEntry{"Nobody", "00/00/00", 100})) << k;
        if (!c.place) {
            EXPECT_EQ(store.writes, 0);
            continue;
        }
        EXPECT_EQ(store.values.size(), 30u);
        for (std::size_t k = 0; k < c.after.size(); ++k)
            EXPECT_EQ(Stored("Time" + std::to_string(k)), std::to_string(c.after[k])) << k;
        const int place = *c.place;
        EXPECT_EQ(table.Entries()[static_cast<std::size_t>(place)],
                  (HighScoreEntry{"New", "06/12/2026", c.total}));
        EXPECT_EQ(Stored("Name" + std::to_string(place)), "New");
        EXPECT_EQ(Stored("Date" + std::to_string(place)), "06/12/2026");
        if (place < 9) { // the entry it took the place of is one further down
            EXPECT_EQ(Stored("Name" + std::to_string(place + 1)),
                      c.stored.empty() ? "Nobody" : "P" + std::to_string(place));
        }
    }
}

TEST_F(HighScoreTableTest, AnEmptyAnswerIsMrNoNameAndAnyOtherIsKeptAsTyped) {
    const struct {
        std::string answer;
        std::string stored;
    } cases[] = {
        {"", "Mr NoName"},
        {"   ", "   "},
        {"  Smith, \"J\" = #1; [x] \\y\r\nz Ωμέγα ", "  Smith, \"J\" = #1; [x] \\y\r\nz Ωμέγα "},
    };
    for (const auto& c : cases) {
        store.values.clear();
        table.LoadHighScores();
        table.AddHighScore(5000, Answer(c.answer));
        EXPECT_EQ(Stored("Name0"), c.stored) << '"' << c.answer << '"';
    }
}

TEST_F(HighScoreTableTest, StoredTotalsReadAsRoundedLeadingNumbers) {
    const auto kept = [](std::int32_t total) { return HighScoreEntry{"Ann", "02/03/26", total}; };
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
        // Nothing worth keeping, or beyond the range of money: the place takes the default entry.
        {"abc", DefaultHighScore()},
        {"0", DefaultHighScore()},
        {"", DefaultHighScore()},
        {"0.4", DefaultHighScore()},
        {"-0.5", DefaultHighScore()},
        {"2147483648", DefaultHighScore()},
        {"2147483647.5", DefaultHighScore()},
        {"-2147483649", DefaultHighScore()},
        {"1e300", DefaultHighScore()}};
    for (const auto& c : cases) {
        Store("Name0", "Ann");
        Store("Date0", "02/03/26");
        Store("Time0", c.text);
        table.LoadHighScores();
        EXPECT_EQ(table.Entries()[0], c.entry) << '"' << c.text << '"';
    }
}

TEST_F(HighScoreTableTest, LoadingKeepsTheStoredOrderAndAMissingNameAndDateEmpty) {
    StoreTotals({100, 300, 200});
    Store("Time4", "700");
    table.LoadHighScores();
    EXPECT_EQ(EntryTotals(), (Totals{100, 300, 200, 100, 700, 100, 100, 100, 100, 100}));
    EXPECT_EQ(table.Entries()[4], (HighScoreEntry{"", "", 700}));
    EXPECT_EQ(table.Entries()[3], DefaultHighScore());
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
