#pragma once

#include "core/DeclareVars.h"
#include "core/GameServices.h"
#include "core/MainTables.h"

namespace dunemark {

// Works out the name and price of every item in every town. Only the town the player is in can
// have a market event; its message is shown unless the game is still on day 0.
void GenerateMarket(DeclareVars& vars, const MainTables& tables, GameServices& services);

} // namespace dunemark
