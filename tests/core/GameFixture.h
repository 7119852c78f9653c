#pragma once

#include "core/DeclareVars.h"
#include "core/GameServices.h"
#include "core/MainTables.h"
#include "core/NewGame.h"
#include "platform/doubles/FakeClock.h"
#include "platform/doubles/FakeMessageBox.h"
#include "platform/doubles/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace dunemark {

// The largest float below 1: every chance test fails and every price is the highest possible.
inline constexpr float HighestDraw = 0x1.fffffep-1f;

// A fresh game with scripted chance and a recording message box.
class GameFixture : public ::testing::Test {
protected:
    GameFixture() {
        FillTables(tables);
        ResetGame(vars, tables);
    }

    // Draws for the entries of the town the player is in, item 1 first: each entry either wins
    // event test `eventTest` (1..4) or, with 0, loses all four, then takes the price draw `r`.
    struct Entry {
        int eventTest;
        float r;
    };
    void ScriptCurrentTown(std::initializer_list<Entry> entries) {
        for (const Entry& entry : entries) {
            static constexpr int chances[] = {60, 90, 180, 120};
            for (int test = 1; test <= 4; ++test) {
                if (test == entry.eventTest) {
                    random.script.push_back(ScriptedRandom::Wins(chances[test - 1]));
                    break;
                }
                random.script.push_back(0.0f);
            }
            random.script.push_back(entry.r);
        }
    }

    DeclareVars vars;
    MainTables tables;
    FakeMessageBox messages;
    ScriptedRandom random;
    FakeClock clock;
    GameServices services{messages, random, clock, ","};
};

} // namespace dunemark
