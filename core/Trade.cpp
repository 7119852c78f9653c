#include "core/Trade.h"

#include "core/NumberText.h"
#include "core/Saturate.h"

#include <algorithm>
#include <cmath>

namespace dunemark {

namespace {

bool IsItemRow(int row) {
    return row >= 1 && row <= ItemCount;
}

// Whether a quantity from a number box trades anything at all: one whose whole part is 0 (a
// pasted 0.5) changes nothing, exactly as 0 does.
bool HasWholePart(double quantity) {
    return quantity >= 1;
}

// The whole part of a quantity from a number box, kept between 0 and `most`.
std::int32_t WholeQuantity(double quantity, std::int32_t most) {
    return std::clamp(SaturateInt32(std::floor(quantity)), std::int32_t{0},
                      std::max(most, std::int32_t{0}));
}

} // namespace

double ReadMoney(std::string_view text, std::string_view groupSeparator) {
    std::string digits(text);
    if (!groupSeparator.empty()) {
        for (auto at = digits.find(groupSeparator); at != std::string::npos;
             at = digits.find(groupSeparator, at))
            digits.erase(at, groupSeparator.size());
    }
    return LeadingNumber(digits);
}

std::optional<Said> BuyRefusal(const DeclareVars& vars, double shownPrice) {
    if (vars.Cash < shownPrice)
        return Phrase::CannotAfford;
    if (vars.ItemsCarried >= vars.SlaveCount)
        return Phrase::NoSlaveSpace;
    return std::nullopt;
}

std::optional<Said> SellRefusal(std::string_view shownName) {
    if (shownName.empty())
        return Phrase::NothingToSell;
    return std::nullopt;
}

std::int32_t PurchaseOffer::Limit() const {
    return std::max(std::min(CanAfford, static_cast<std::int32_t>(SpaceLeft)), std::int32_t{0});
}

PurchaseOffer OpenPurchase(DeclareVars& vars, int row) {
    PurchaseOffer offer;
    vars.SpaceLeft = AddShort(vars.SlaveCount, -vars.ItemsCarried);
    offer.SpaceLeft = vars.SpaceLeft;
    if (!IsItemRow(row))
        return offer;
    offer.UnitPrice = RoundMoney(CellNumber(vars.MarketItems[row][PriceField][vars.CurrentTown]));
    if (offer.UnitPrice > 0) {
        const double afford =
            std::floor(static_cast<double>(vars.Cash) / static_cast<double>(offer.UnitPrice));
        offer.CanAfford = std::max(SaturateInt32(afford), std::int32_t{0});
    }
    return offer;
}

void ApplyPurchase(DeclareVars& vars, int row, double quantity, const PurchaseOffer& offer) {
    if (!IsItemRow(row) || !HasWholePart(quantity))
        return;
    const std::int32_t n = WholeQuantity(quantity, offer.Limit());
    auto& holding = vars.Holdings[row];
    const auto& market = vars.MarketItems[row];
    holding[NameField] = market[NameField][vars.CurrentTown];
    holding[PriceField] = market[PriceField][vars.CurrentTown];
    holding[QuantityField] = CellNumber(holding[QuantityField]) + n;
    vars.Cash = AddMoney(vars.Cash, -static_cast<std::int64_t>(n) * offer.UnitPrice);
    vars.ItemsCarried = AddShort(vars.ItemsCarried, n);
}

SaleOffer OpenSale(const DeclareVars& vars, int row, double quantityShown) {
    SaleOffer offer;
    offer.QuantityHeld = std::max(RoundMoney(quantityShown), std::int32_t{0});
    if (IsItemRow(row))
        offer.SalePrice =
            RoundMoney(CellNumber(vars.MarketItems[row][PriceField][vars.CurrentTown]));
    return offer;
}

void ApplySale(DeclareVars& vars, int row, double quantity, const SaleOffer& offer) {
    if (!IsItemRow(row) || !HasWholePart(quantity))
        return;
    const std::int32_t n = WholeQuantity(quantity, offer.QuantityHeld);
    auto& holding = vars.Holdings[row];

    if (offer.SalePrice > CellNumber(holding[PriceField]))
        vars.Favour = AddShort(vars.Favour, vars.FavourStep);
    else
        vars.Favour = std::max(AddShort(vars.Favour, -vars.FavourStep), std::int16_t{0});

    if (quantity == offer.QuantityHeld)
        holding.fill(std::string());
    else
        holding[QuantityField] = static_cast<double>(offer.QuantityHeld - n);

    vars.Cash = AddMoney(vars.Cash, static_cast<std::int64_t>(n) * offer.SalePrice);
    vars.ItemsCarried = std::max(AddShort(vars.ItemsCarried, -n), std::int16_t{0});
}

} // namespace dunemark
