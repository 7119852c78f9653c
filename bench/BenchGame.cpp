#include "bench/BenchGame.h"

#include "core/Cell.h"
#include "core/Market.h"
#include "core/NewGame.h"
#include "core/Trade.h"

#include <chrono>

namespace dunemark::bench {

MsgResult SilentMessageBox::Show(const std::string&, const std::string&, MsgIcon,
                                 MsgButtons buttons) {
    ++shown;
    return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Ok;
}

double DayClock::SecondsSinceMidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    return duration<double>(now - floor<days>(now)).count();
}

std::string DayClock::ShortDate() {
    return "06/12/2026";
}

std::chrono::year_month_day DayClock::Today() {
    return std::chrono::year(2026) / 12 / 6;
}

BenchGame::BenchGame(std::uint64_t seed)
    : random(seed) {}

void BenchGame::Start() {
    FillTables(tables);
    ResetGame(vars, tables);
    GenerateMarket(vars, tables, services, 0);
}

void BenchGame::Trade() {
    for (int row = 1; row <= ItemCount; ++row) {
        const double held = CellNumber(vars.Holdings[row][QuantityField]);
        if (held > 0)
            ApplySale(vars, row, held, OpenSale(vars, row, held));
    }
    int best = 0;
    double bestRatio = 0;
    for (int row = 1; row <= ItemCount; ++row) {
        const double price = CellNumber(vars.MarketItems[row][PriceField][vars.CurrentTown]);
        const double ratio = price / tables.BasePrices[row - 1];
        if (price > 0 && price <= vars.Cash && (best == 0 || ratio < bestRatio)) {
            best = row;
            bestRatio = ratio;
        }
    }
    if (best != 0) {
        const PurchaseOffer offer = OpenPurchase(vars, best);
        ApplyPurchase(vars, best, offer.Limit(), offer);
    }
}

MoveResult BenchGame::Travel() {
    const auto next = static_cast<std::int16_t>((vars.CurrentTown + 1) % TownCount);
    return MoveToTown(vars, tables, next, services, view);
}

} // namespace dunemark::bench
