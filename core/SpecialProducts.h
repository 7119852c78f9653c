#pragma once

#include "core/DeclareVars.h"
#include "core/Phrases.h"
#include "platform/MessageBox.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace dunemark {

inline constexpr int GiftCount = 5;

// The gifts the Pharaoh accepts, dearest first: three parallel columns indexed 0..4.
struct GiftTable {
    std::array<std::string_view, GiftCount> GiftName;
    std::array<std::int32_t, GiftCount> GiftCost;
    std::array<std::int16_t, GiftCount> GiftFavour;
};

inline constexpr GiftTable Gifts{
    {DUNEMARK_NOOP("Goods", "Gold Statue"), DUNEMARK_NOOP("Goods", "Silver Statue"),
     DUNEMARK_NOOP("Goods", "Gems"), DUNEMARK_NOOP("Goods", "Scrolls"),
     DUNEMARK_NOOP("Goods", "Food & water")},
    {10000, 5000, 2500, 1000, 500},
    {33, 15, 8, 4, 2},
};

// The cheapest gift, the one offered when the window opens.
inline constexpr int FirstGiftOffered = GiftCount - 1;

inline constexpr std::int16_t SlavesPerPack = 50;
inline constexpr std::int32_t SlavePackPrice = 90000;
inline constexpr std::int16_t SlaveLimit = 1000; // packs are sold while the count is below it
inline constexpr std::int32_t PyramidBankPrice = 5000;

// The three tabs of the special products window, left to right.
enum SpecialTab : int { PyramidTab = 0, SlavesTab = 1, GiftTab = 2 };
inline constexpr int SpecialTabCount = 3;

// The bank is sold once per game; slaves until the limit is reached.
bool PyramidTabEnabled(const DeclareVars& vars);
bool SlavesTabEnabled(const DeclareVars& vars);

// The panel shown on opening: the bank while there is none, else slaves while there are any to
// buy, else the gifts.
SpecialTab FirstSpecialTab(const DeclareVars& vars);

// Why a purchase was turned down: the message and its icon.
struct Refusal {
    Phrase phrase;
    MsgIcon icon;
    bool operator==(const Refusal&) const = default;
};

inline constexpr Refusal GiftTooDear{Phrase::GiftTooDear, MsgIcon::None};
inline constexpr Refusal SlavesTooDear{Phrase::SlavesTooDear, MsgIcon::Information};
inline constexpr Refusal NoSlavesLeft{Phrase::NoSlavesLeft, MsgIcon::Information};
inline constexpr Refusal BankTooDear{Phrase::BankTooDear, MsgIcon::None};

// Each purchase either changes the game state and gives nothing, or gives its refusal and changes
// nothing. Cash equal to the price is enough. Money and favour never wrap around.

// Gift `index` (0..4): the cash pays for it and the Pharaoh's favour rises, with no upper bound
// below the width of the favour.
std::optional<Refusal> GiveGift(DeclareVars& vars, int index);

// A pack of slaves. The money is looked at before the limit.
std::optional<Refusal> BuySlaves(DeclareVars& vars);

// The pyramid bank.
std::optional<Refusal> BuyPyramidBank(DeclareVars& vars);

} // namespace dunemark
