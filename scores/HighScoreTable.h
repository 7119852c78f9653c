#pragma once

#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "scores/HighScoreEntry.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace dunemark {

inline constexpr int HighScorePlaces = 10;

// The ten best totals, place 0 the best, kept in the per-user settings store under the
// program's title, section "Scores": "Name<k>", "Date<k>" and "Time<k>" (the total) for each
// place k.
class HighScoreTable {
public:
    using Places = std::array<HighScoreEntry, HighScorePlaces>;
    // Asks the player's name; gives the empty text when nothing was typed or it was cancelled.
    using AskName = std::function<std::string()>;

    HighScoreTable(SettingsStore& store, Clock& clock);

    // Fills every place from the store, read in one go; a place without a usable total gets the
    // default entry. Gives Saved when the whole store was read, else why only part of it was.
    SaveResult LoadHighScores();
    // The first place whose total is below the given one; an equal total goes below it.
    std::optional<int> FindHighScorePlace(std::int32_t total) const;
    // When the total earns a place: asks the name, moves the lower places down, puts the entry
    // in and stores the table. The table is read again just before the entry goes in, so an
    // entry that another copy of the program stored meanwhile is kept. When the store cannot
    // take the entry, the table stays as it is stored, and the result says why (Unsynced: the
    // entry is in).
    SaveResult AddHighScore(std::int32_t total, const AskName& askName);
    // Writes all ten places, as one step.
    SaveResult SaveHighScores();

    const Places& Entries() const { return places_; }

private:
    void LoadFrom(SettingsStore& store);
    void SaveTo(SettingsStore& store) const;

    SettingsStore& store_;
    Clock& clock_;
    Places places_;
};

// A stored total: the number its text begins with, rounded to the nearest whole number with
// ties to the even neighbour. A number outside the range of money reads as 0, like a missing one.
std::int32_t ReadStoredTotal(const std::string& text);

} // namespace dunemark
