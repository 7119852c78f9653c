#include "scores/HighScoreTable.h"

#include "platform/doubles/Fakes.h"

#include <gtest/gtest.h>

using namespace dunemark;

using Totals = std::vector<std::int32_t>;
const Totals Full = {900, 800, 700, 600, 500, 400, 300, 200, 150, 120};

struct HighScoreTableTest : ::testing::Test {
    std::string& At(const std::string& field, std::size_t place) {
        return store.values[{"Dunemark", "Scores", field + std::to_string(place)}];
    }
    // Stores places 0..n-1 with the given totals, named P0, P1..., and loads the table.
    void Load(const Totals& totals) {
        store = MemorySettingsStore{};
        for (std::size_t k = 0; k < totals.size(); ++k) {
            At("Name", k) = "P" + std::to_string(k);
            At("Date", k) = "01/01/26";
            At("Time", k) = std::to_string(totals[k]);
        }
        table.LoadHighScores();
    }

    MemorySettingsStore store;
    FakeClock clock;
    HighScoreTable table{store, clock};
};

// The new entry goes below equal totals, the places below it move down and the last drops out.
// An empty name is stored as "Mr NoName", any other as typed.
TEST_F(HighScoreTableTest, AnEntryTakesItsPlaceAndTheTableIsStored) {
    const std::string odd = "  Smith, \"J\" = #1; [x] \\y\r\nz Ωμέγα ";
    const std::tuple<Totals, std::int32_t, std::string, std::optional<std::size_t>, Totals>
        cases[] = {{{}, 100, "", {}, Totals(10, 100)},
                   {{}, 101, "", 0, {101, 100, 100, 100, 100, 100, 100, 100, 100, 100}},
                   {Full, 600, odd, 4, {900, 800, 700, 600, 600, 500, 400, 300, 200, 150}},
                   {Full, 121, "   ", 9, {900, 800, 700, 600, 500, 400, 300, 200, 150, 121}},
                   {Full, 120, "", {}, Full}};
    for (const auto& [stored, total, name, place, after] : cases) {
        SCOPED_TRACE(total);
        Load(stored);
        int asked = 0;
        table.AddHighScore(total, [&, name = name] { return ++asked, name; });
        for (std::size_t k = 0; k < HighScorePlaces; ++k)
            EXPECT_EQ(table.Entries()[k].Total, after[k]) << k;
        EXPECT_EQ(std::tie(asked, store.writes), place ? std::tuple(1, 30) : std::tuple(0, 0));
        if (!place)
            continue;
        for (std::size_t k = 0; k < HighScorePlaces; ++k)
            EXPECT_EQ(At("Time", k), std::to_string(after[k])) << k;
        const std::string shown = name.empty() ? "Mr NoName" : name;
        EXPECT_EQ(table.Entries()[*place], (HighScoreEntry{shown, "06/12/2026", total}));
        EXPECT_EQ(At("Name", *place), shown);
    }
}
