#include "core/Ledger.h"

#include "core/GameOver.h"
#include "core/Saturate.h"

namespace dunemark {

void Ledger::Clear() {
    days_.clear();
}

void Ledger::See(std::int16_t day, const DeclareVars& vars) {
    if (day < 0 || vars.CurrentTown < 0 || vars.CurrentTown >= TownCount)
        return;
    if (day >= DaysSeen())
        days_.resize(static_cast<std::size_t>(day) + 1);
    Day& seen = days_[static_cast<std::size_t>(day)];
    seen.town = vars.CurrentTown;
    for (int k = 1; k <= ItemCount; ++k)
        seen.prices[k - 1] = SaturateInt32(CellNumber(vars.MarketItems[k][PriceField][seen.town]));
    seen.fortune = FinalTotal(vars.BankBalance, vars.Cash, vars.Debt);
    // Goods are worth what this town pays for them today, so a purchase leaves the worth as it was.
    double goods = 0;
    for (int k = 1; k <= ItemCount; ++k)
        goods += CellNumber(vars.Holdings[k][QuantityField]) * seen.prices[k - 1];
    seen.worth = seen.fortune + static_cast<std::int64_t>(goods);
}

const Ledger::Day* Ledger::Seen(int day) const {
    if (day < 0 || day >= DaysSeen() || days_[static_cast<std::size_t>(day)].town < 0)
        return nullptr;
    return &days_[static_cast<std::size_t>(day)];
}

std::optional<std::int32_t> Ledger::Price(int day, int town, int item) const {
    const Day* seen = Seen(day);
    if (!seen || seen->town != town || item < 1 || item > ItemCount)
        return std::nullopt;
    return seen->prices[static_cast<std::size_t>(item - 1)];
}

std::optional<std::int32_t> Ledger::Fortune(int day) const {
    if (const Day* seen = Seen(day))
        return seen->fortune;
    return std::nullopt;
}

std::optional<std::int64_t> Ledger::Worth(int day) const {
    if (const Day* seen = Seen(day))
        return seen->worth;
    return std::nullopt;
}

std::optional<Ledger::Sighting> Ledger::LastSeen(int town, int item) const {
    for (int day = DaysSeen() - 1; day >= 0; --day)
        if (const auto price = Price(day, town, item))
            return Sighting{*price, day};
    return std::nullopt;
}

} // namespace dunemark
