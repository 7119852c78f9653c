#include "StoredTable.h"

#include "core/GameServices.h"

#include <cstdlib>
#include <string>

namespace dunemark {

namespace {

HighScoreEntry Place(long number, int k) {
    return {"Table " + std::to_string(number) + " place " + std::to_string(k),
            std::to_string(number), static_cast<std::int32_t>(number * 100 + HighScorePlaces - k)};
}

} // namespace

void SaveWholeTable(SettingsStore& store, long number) {
    const std::string app(AppTitle);
    store.Update(app, [&](SettingsStore& locked) {
        for (int k = 0; k < HighScorePlaces; ++k) {
            const HighScoreEntry entry = Place(number, k);
            const std::string place = std::to_string(k);
            locked.SaveSetting(app, "Scores", "Name" + place, entry.Name);
            locked.SaveSetting(app, "Scores", "Date" + place, entry.Date);
            locked.SaveSetting(app, "Scores", "Time" + place, std::to_string(entry.Total));
        }
    });
}

std::optional<long> WholeTableNumber(const HighScoreTable::Places& places) {
    const long number = std::atol(places[0].Date.c_str());
    for (int k = 0; k < HighScorePlaces; ++k) {
        if (places[static_cast<std::size_t>(k)] != Place(number, k))
            return std::nullopt;
    }
    return number;
}

} // namespace dunemark
