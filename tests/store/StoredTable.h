#pragma once

#include "platform/SettingsStore.h"
#include "scores/HighScoreTable.h"

#include <optional>

namespace dunemark {

// Whole tables that tell themselves apart: every place of table number n names n, so a table
// read back shows whether it is one of them, whole, or a mix of two.
void SaveWholeTable(SettingsStore& store, long number);
std::optional<long> WholeTableNumber(const HighScoreTable::Places& places);

} // namespace dunemark
