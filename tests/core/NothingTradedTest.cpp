#include "core/Trade.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace dunemark {
namespace {

// A quantity whose whole part is 0 (a pasted 0.5) buys or sells nothing, exactly as 0 does: no
// holdings row, no new price paid, no favour, no money. From 1 on, trading goes on as ever.
TEST(NothingTraded, AQuantityBelowOneChangesNothing) {
    const int fresh = 3, held = 7; // held: 10 bought at 100
    // buying?, row, quantity, changes anything?
    const std::tuple<bool, int, double, bool> cases[] = {
        {true, fresh, 0.5, false}, {true, held, 0.999, false},  {true, fresh, 1.5, true},
        {false, held, 0.5, false}, {false, held, 0.999, false}, {false, held, 1.5, true}};
    for (const auto& [buying, row, quantity, changes] : cases) {
        SCOPED_TRACE(testing::Message() << (buying ? "buy " : "sell ") << quantity);
        DeclareVars vars;
        for (int town = 0; town < TownCount; ++town)
            vars.MarketItems[fresh][PriceField][town] = vars.MarketItems[held][PriceField][town] =
                150.0;
        vars.Holdings[held] = {std::string("Gold"), 100.0, 10.0};
        vars.ItemsCarried = vars.Favour = 10;
        const DeclareVars before = vars;
        if (buying)
            ApplyPurchase(vars, row, quantity, OpenPurchase(vars, row));
        else
            ApplySale(vars, row, quantity, OpenSale(vars, row, 10));
        EXPECT_EQ(vars.Holdings != before.Holdings || vars.Cash != before.Cash ||
                      vars.ItemsCarried != before.ItemsCarried || vars.Favour != before.Favour,
                  changes);
    }
}

} // namespace
} // namespace dunemark
