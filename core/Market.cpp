#include "core/Market.h"

#include <cmath>

namespace dunemark {

namespace {

enum class MarketEvent { None, Low, Glut, Demand, High };

struct EventTest {
    MarketEvent event;
    int chance; // one in this many
};

// Tried in this order; the first that succeeds wins.
constexpr EventTest EventTests[] = {
    {MarketEvent::Low, 60},
    {MarketEvent::Glut, 90},
    {MarketEvent::Demand, 180},
    {MarketEvent::High, 120},
};

MarketEvent DrawEvent(RandomSource& random, bool isCurrentTown) {
    for (const auto& test : EventTests) {
        // Every test draws, in every town; only the current town can take the event.
        if (OneChanceIn(random, test.chance) && isCurrentTown)
            return test.event;
    }
    return MarketEvent::None;
}

Phrase EventPhrase(MarketEvent event) {
    switch (event) {
    case MarketEvent::Low:
        return Phrase::PricesLow;
    case MarketEvent::Glut:
        return Phrase::MarketFlooded;
    case MarketEvent::Demand:
        return Phrase::PharaohNeeds;
    case MarketEvent::High:
    case MarketEvent::None:
        break;
    }
    return Phrase::PricesHigh;
}

double Price(MarketEvent event, double basePrice, double r) {
    const double usual = basePrice + std::floor(r * (basePrice / 0.7));
    switch (event) {
    case MarketEvent::Low:
        return basePrice / 2 + std::floor(r * ((basePrice / 2) / 0.7));
    case MarketEvent::Glut:
        return usual * 0.1;
    case MarketEvent::Demand:
        return usual * 3;
    case MarketEvent::High:
        return usual * 2;
    case MarketEvent::None:
        break;
    }
    return usual;
}

} // namespace

void GenerateMarket(DeclareVars& vars, const MainTables& tables, GameServices& services) {
    for (int t = 0; t < TownCount; ++t) {
        for (int k = 1; k <= ItemCount; ++k) {
            services.random.Randomize(services.clock.SecondsSinceMidnight());
            const std::string& name = tables.ItemNames[k - 1];
            vars.MarketItems[k][NameField][t] = name;

            const MarketEvent event = DrawEvent(services.random, t == vars.CurrentTown);
            if (event != MarketEvent::None && tables.CurrentDay != 0)
                Tell(services, {EventPhrase(event), name}, MsgIcon::None);

            const double r = services.random.Rnd();
            vars.MarketItems[k][PriceField][t] =
                std::floor(Price(event, tables.BasePrices[k - 1], r));
        }
    }
}

} // namespace dunemark
