#pragma once

#include "core/DeclareVars.h"
#include "core/GameServices.h"
#include "core/MainTables.h"
#include "core/Travel.h"
#include "platform/ClockSeededRandom.h"

#include <cstdint>

namespace dunemark::bench {

// Answers every box at once, as a player who only clicks OK, and counts them.
class SilentMessageBox final : public MessageBox {
public:
    MsgResult Show(const std::string& text, const std::string& title, MsgIcon icon,
                   MsgButtons buttons) override;

    std::int64_t shown = 0;
};

// The time of day from the standard library, as the program reads it before every price.
class DayClock final : public Clock {
public:
    double SecondsSinceMidnight() override;
    std::string ShortDate() override;
    std::chrono::year_month_day Today() override;
};

// The main window reduced to nothing: the rules still call every hook.
class NullTravelView final : public TravelView {
public:
    void MarkTowns(std::int16_t) override {}
    void SuspendMarketRepaint() override {}
    void ShowMarket() override {}
    void ResumeMarketRepaint() override {}
    void ShowDay(std::int16_t) override {}
    void LastDayReached() override {}
    void GameOver() override {}
    void ShowStatus() override {}
};

// One game with the real generator, driven the way a simple player would drive it.
class BenchGame {
public:
    explicit BenchGame(std::uint64_t seed);

    // New game: the tables, the starting state and the first market, as the main window does.
    void Start();
    // Sells everything carried, then fills the free space with the item that is cheapest
    // against its base price.
    void Trade();
    // Moves on to the next town: a new market, a new day and the day's events.
    MoveResult Travel();

    DeclareVars vars;
    MainTables tables;
    SilentMessageBox messages;
    ClockSeededRandom random;
    DayClock clock;
    NullTravelView view;
    GameServices services{messages, random, clock, ","};
};

} // namespace dunemark::bench
