#include "core/Trade.h"

#include <gtest/gtest.h>
#include <string>

namespace dunemark {
namespace {

constexpr int Fresh = 3; // not held
constexpr int Held = 7;  // 10 held, bought at 100

DeclareVars MarketAt150() {
    DeclareVars vars;
    for (const int row : {Fresh, Held}) {
        for (int town = 0; town < TownCount; ++town) {
            vars.MarketItems[row][NameField][town] = std::string("Gold");
            vars.MarketItems[row][PriceField][town] = 150.0;
        }
    }
    vars.Holdings[Held] = {std::string("Gold"), 100.0, 10.0};
    vars.ItemsCarried = 10;
    vars.Favour = 10;
    return vars;
}

bool Unchanged(const DeclareVars& after, const DeclareVars& before) {
    return after.Holdings == before.Holdings && after.Cash == before.Cash &&
           after.ItemsCarried == before.ItemsCarried && after.Favour == before.Favour;
}

// A quantity whose whole part is 0 (a pasted 0.5) buys or sells nothing, exactly as 0 does: no
// holdings row, no new price paid, no favour, no money. From 1 on, trading goes on as ever.
TEST(NothingTraded, AQuantityBelowOneChangesNothing) {
    const struct {
        bool buying;
        int row;
        double quantity;
        bool changes;
    } cases[] = {
        {true, Fresh, 0.5, false}, {true, Held, 0.5, false},     {true, Held, 0.999, false},
        {true, Fresh, 1.5, true},  {false, Held, 0.5, false},    {false, Held, 0.999, false},
        {false, Held, 1.5, true},  {false, Held, 1e-300, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.buying ? "buy " : "sell ") << c.quantity);
        DeclareVars vars = MarketAt150();
        const DeclareVars before = vars;
        if (c.buying)
            ApplyPurchase(vars, c.row, c.quantity, OpenPurchase(vars, c.row));
        else
            ApplySale(vars, c.row, c.quantity, OpenSale(vars, c.row, 10));
        EXPECT_EQ(Unchanged(vars, before), !c.changes);
    }
}

} // namespace
} // namespace dunemark
