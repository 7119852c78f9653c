#pragma once

#include "core/NewGame.h"
#include "core/Travel.h"
#include "platform/doubles/Fakes.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace dunemark {

// The largest float below 1: every chance test fails and every price is the highest possible.
inline constexpr float HighestDraw = 0x1.fffffep-1f;

// Records what a move asked of the window, in order.
struct RecordingView final : TravelView {
    void MarkTowns(std::int16_t town) override { calls.push_back("mark " + std::to_string(town)); }
    void SuspendMarketRepaint() override { calls.push_back("suspend"); }
    void ShowMarket() override { calls.push_back("market"); }
    void ResumeMarketRepaint() override { calls.push_back("resume"); }
    void ShowDay(std::int16_t day) override { calls.push_back("day " + std::to_string(day)); }
    void LastDayReached() override { calls.push_back("last day"); }
    void GameOver() override { calls.push_back("game over"); }
    void ShowStatus() override { calls.push_back("status"); }
    std::vector<std::string> calls;
};

// A fresh game with scripted chance, a recording message box and a recording window.
struct ScriptedGame {
    ScriptedGame() { FillTables(tables); } // the other tables start as a new game does
    double Price(int k, int t = 0) const { return CellNumber(vars.MarketItems[k][PriceField][t]); }
    MoveResult Move(std::int16_t town) { return MoveToTown(vars, tables, town, services, view); }
    MoveResult MoveOn() { return Move(vars.CurrentTown == 0 ? 1 : 0); }

    DeclareVars vars;
    MainTables tables;
    FakeMessageBox messages;
    ScriptedRandom random;
    FakeClock clock;
    GameServices services{messages, random, clock, ","};
    RecordingView view;
};

} // namespace dunemark
