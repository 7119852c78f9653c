#include "core/SpecialProducts.h"

#include "core/Saturate.h"

namespace dunemark {

namespace {

bool Owns(Boolean flag) {
    return flag != VbFalse;
}

void Pay(DeclareVars& vars, std::int32_t price) {
    vars.Cash = AddMoney(vars.Cash, -static_cast<std::int64_t>(price));
}

} // namespace

bool PyramidTabEnabled(const DeclareVars& vars) {
    return !Owns(vars.HasPyramidBank);
}

bool SlavesTabEnabled(const DeclareVars& vars) {
    return vars.SlaveCount < SlaveLimit;
}

SpecialTab FirstSpecialTab(const DeclareVars& vars) {
    if (!Owns(vars.HasPyramidBank))
        return PyramidTab;
    return SlavesTabEnabled(vars) ? SlavesTab : GiftTab;
}

std::optional<Refusal> GiveGift(DeclareVars& vars, int index) {
    const auto gift = static_cast<std::size_t>(index);
    if (vars.Cash < Gifts.GiftCost.at(gift))
        return GiftTooDear;
    Pay(vars, Gifts.GiftCost[gift]);
    vars.Favour = AddShort(vars.Favour, Gifts.GiftFavour[gift]);
    return std::nullopt;
}

std::optional<Refusal> BuySlaves(DeclareVars& vars) {
    if (vars.Cash < SlavePackPrice)
        return SlavesTooDear;
    if (vars.SlaveCount >= SlaveLimit)
        return NoSlavesLeft;
    Pay(vars, SlavePackPrice);
    vars.SlaveCount = AddShort(vars.SlaveCount, SlavesPerPack);
    return std::nullopt;
}

std::optional<Refusal> BuyPyramidBank(DeclareVars& vars) {
    if (vars.Cash < PyramidBankPrice)
        return BankTooDear;
    vars.HasPyramidBank = VbTrue;
    Pay(vars, PyramidBankPrice);
    return std::nullopt;
}

} // namespace dunemark
