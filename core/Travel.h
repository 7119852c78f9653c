#pragma once

#include "core/DeclareVars.h"
#include "core/GameServices.h"
#include "core/MainTables.h"

#include <cstdint>

namespace dunemark {

// The day's figures. Rates are in percent of the sum they apply to; a chance is one in N.
inline constexpr int LoanInterestPercent = 10; // the loan grows by a tenth every day
inline constexpr int BankInterestPercent = 5;  // the pyramid bank pays a twentieth
inline constexpr int MuggingChance = 100;
inline constexpr int MuggingLossPercent = 25; // of the cash in hand
inline constexpr int RobberyChance = 50;      // only once the player owns a bank
inline constexpr int RobberyLossPercent = 50; // of the bank balance
inline constexpr std::int16_t FavourForBonus = 100;
inline constexpr std::int32_t BonusCeiling = 300000; // the bonus is a whole number below it

// What a move asks of the window that shows the game, in the order the move needs it.
class TravelView {
public:
    virtual ~TravelView() = default;
    virtual void MarkTowns(std::int16_t currentTown) = 0;
    virtual void SuspendMarketRepaint() = 0;
    virtual void ShowMarket() = 0;
    virtual void ResumeMarketRepaint() = 0;
    virtual void ShowDay(std::int16_t day) = 0;
    virtual void LastDayReached() = 0; // buying ends and the Finish button covers the map
    virtual void GameOver() = 0;
    virtual void ShowStatus() = 0;
};

enum class MoveResult { Stayed, DayBegun, GameEnded };

// A move to another town: a new market, a new day and the day's events. A move to the town
// the player is in does nothing; a move that would begin the day after the last ends the game.
MoveResult MoveToTown(DeclareVars& vars, MainTables& tables, std::int16_t town,
                      GameServices& services, TravelView& view);

// The day's interest on the loan and the bank, the mishaps and the Pharaoh's bonus.
void CarryOutDay(DeclareVars& vars, const MainTables& tables, GameServices& services);

// "Dunemark - Day 7".
Said DayCaption(std::int16_t day);

} // namespace dunemark
