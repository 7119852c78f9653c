#pragma once

#include "core/DeclareVars.h"
#include "core/MainTables.h"

namespace dunemark {

// The item, price and town tables of the game.
void FillTables(MainTables& tables);

// The starting state of a game: day 0 in town 0, the opening cash and loan, 100 slaves, no bank,
// no favour, nothing carried and an empty ledger. SpaceLeft, AmountLimit, AmountEntered and
// FinalScore keep their values.
void ResetGame(DeclareVars& vars, MainTables& tables);

} // namespace dunemark
