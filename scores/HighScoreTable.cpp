#include "scores/HighScoreTable.h"

#include "core/GameServices.h"
#include "core/NumberText.h"
#include "core/Saturate.h"

#include <limits>

namespace dunemark {

namespace {

const std::string Section = "Scores";
const std::string App(AppTitle);
const std::string NoName = "Mr NoName";

std::string Key(const char* field, int place) {
    return field + std::to_string(place);
}

} // namespace

std::int32_t ReadStoredTotal(const std::string& text) {
    const double value = RoundHalfEven(LeadingNumber(text));
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return 0;
    return static_cast<std::int32_t>(value);
}

HighScoreTable::HighScoreTable(SettingsStore& store, Clock& clock)
    : store_(store)
    , clock_(clock) {
    places_.fill(DefaultHighScore());
}

SaveResult HighScoreTable::LoadHighScores() {
    return store_.Read(App, [this](SettingsStore& view) { LoadFrom(view); });
}

void HighScoreTable::LoadFrom(SettingsStore& store) {
    for (int k = 0; k < HighScorePlaces; ++k) {
        HighScoreEntry entry;
        entry.Name = store.GetSetting(App, Section, Key("Name", k));
        entry.Date = store.GetSetting(App, Section, Key("Date", k));
        entry.Total = ReadStoredTotal(store.GetSetting(App, Section, Key("Time", k)));
        places_[k] = entry.Total == 0 ? DefaultHighScore() : entry;
    }
}

std::optional<int> HighScoreTable::FindHighScorePlace(std::int32_t total) const {
    for (int k = 0; k < HighScorePlaces; ++k) {
        if (places_[k].Total < total)
            return k;
    }
    return std::nullopt;
}

SaveResult HighScoreTable::AddHighScore(std::int32_t total, const AskName& askName) {
    if (!FindHighScorePlace(total))
        return SaveResult::Saved;
    std::string name = askName();
    if (name.empty())
        name = NoName;
    const HighScoreEntry entry{name, clock_.ShortDate(), total};

    // The prompt may have stood open for a while: the place is found again in the table as it
    // is stored now, under the store's lock.
    Places stored;
    const SaveResult result = store_.Update(App, [&](SettingsStore& locked) {
        LoadFrom(locked);
        stored = places_;
        const std::optional<int> place = FindHighScorePlace(total);
        if (!place)
            return;
        for (int k = HighScorePlaces - 1; k > *place; --k)
            places_[k] = places_[k - 1];
        places_[*place] = entry;
        SaveTo(locked);
    });
    if (!Stored(result))
        places_ = stored;
    return result;
}

SaveResult HighScoreTable::SaveHighScores() {
    return store_.Update(App, [this](SettingsStore& locked) { SaveTo(locked); });
}

void HighScoreTable::SaveTo(SettingsStore& store) const {
    for (int k = 0; k < HighScorePlaces; ++k) {
        const HighScoreEntry& entry = places_[k];
        store.SaveSetting(App, Section, Key("Name", k), entry.Name);
        store.SaveSetting(App, Section, Key("Date", k), entry.Date);
        store.SaveSetting(App, Section, Key("Time", k), std::to_string(entry.Total));
    }
}

} // namespace dunemark
