#pragma once

#include "core/DeclareVars.h"
#include "core/Phrases.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dunemark {

// Money as the market grid shows it ("4,857"), read back as a number: the grouping separators
// are dropped and the number that the rest begins with is taken.
double ReadMoney(std::string_view text, std::string_view groupSeparator);

// Why the Buy button opens no dialog, or nothing when it may open. The money is tested first,
// against the price the player sees.
std::optional<Said> BuyRefusal(const DeclareVars& vars, double shownPrice);

// Why the Sell button opens no dialog: an empty holdings row.
std::optional<Said> SellRefusal(std::string_view shownName);

// What the buy dialog works out once, when it opens.
struct PurchaseOffer {
    std::int32_t UnitPrice = 0;
    std::int32_t CanAfford = 0; // how many the cash pays for
    std::int16_t SpaceLeft = 0; // how many more the slaves can carry

    // The smaller of CanAfford and SpaceLeft (never below 0): the quantity proposed, and the
    // most the quantity box lets through.
    std::int32_t Limit() const;
};

// The offer for the item of market row `row` (1..10) in the town the player is in. The free
// space is also kept in the game state's SpaceLeft.
PurchaseOffer OpenPurchase(DeclareVars& vars, int row);

// Buys the whole part of `quantity` (at most the offer's limit) at the offer's price. A
// quantity whose whole part is 0 changes nothing; any other records the item's name and today's
// price in its holdings row, the price replacing the one paid before.
void ApplyPurchase(DeclareVars& vars, int row, double quantity, const PurchaseOffer& offer);

// What the sell dialog works out once, when it opens.
struct SaleOffer {
    std::int32_t SalePrice = 0;
    std::int32_t QuantityHeld = 0;
};

// The offer for holdings row `row` (1..10), given the quantity the holdings grid shows.
SaleOffer OpenSale(const DeclareVars& vars, int row, double quantityShown);

// Sells the whole part of `quantity` (at most the quantity held) at the offer's price. A
// quantity whose whole part is 0 changes nothing; any other moves the Pharaoh's favour once, up
// when the price beats the latest price paid, down (not below 0) otherwise. Selling exactly what is
// held empties the row.
void ApplySale(DeclareVars& vars, int row, double quantity, const SaleOffer& offer);

} // namespace dunemark
