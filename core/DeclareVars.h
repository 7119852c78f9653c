#pragma once

#include "core/Cell.h"

#include <array>
#include <cstdint>

namespace dunemark {

// A boolean of the game state is 16 bits wide with True = -1.
using Boolean = std::int16_t;
inline constexpr Boolean VbTrue = -1;
inline constexpr Boolean VbFalse = 0;

inline constexpr int ItemCount = 10; // items are numbered 1..10
inline constexpr int TownCount = 3;  // towns are numbered 0..2

// The opening position of every game.
inline constexpr std::int32_t StartingCash = 2000;
inline constexpr std::int32_t StartingLoan = 5000;
inline constexpr std::int16_t StartingSlaves = 100; // each slave carries one item
// How far one sale moves the Pharaoh's favour: up for a profit, down otherwise.
inline constexpr std::int16_t SaleFavourStep = 3;

inline constexpr int NameField = 0;
inline constexpr int PriceField = 1;
inline constexpr int QuantityField = 2;

// Row k of a table belongs to item k; row 0 is unused so that the numbering stays 1..10.
using MarketTable = std::array<std::array<std::array<Cell, TownCount>, 2>, ItemCount + 1>;
using HoldingsTable = std::array<std::array<Cell, 3>, ItemCount + 1>;

// The shared state of a game, read and written directly by every window. One instance lives
// as long as the program and is handed by reference to whoever needs it.
struct DeclareVars {
    MarketTable MarketItems{}; // [item][NameField or PriceField][town]
    HoldingsTable Holdings{};  // [row][NameField, PriceField or QuantityField]
    std::int16_t CurrentTown = 0;
    std::int32_t Cash = StartingCash;
    std::int16_t SlaveCount = StartingSlaves;
    std::int16_t ItemsCarried = 0;
    std::int16_t SpaceLeft = 0; // worked out when the buy dialog opens
    std::int16_t FavourStep = SaleFavourStep;
    std::int32_t Debt = StartingLoan;
    Boolean HasPyramidBank = VbFalse;
    std::int32_t BankBalance = 0;
    std::int16_t Favour = 0;
    std::int32_t AmountLimit = 0;   // upper bound handed to the amount dialog
    std::int32_t AmountEntered = 0; // what the amount dialog hands back, 0 when cancelled
    std::int32_t FinalScore = 0;    // the total handed from the end of a game to the last windows
};

} // namespace dunemark
