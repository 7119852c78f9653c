#include "core/Market.h"

#include "core/Chance.h"

#include <cmath>

namespace dunemark {

namespace {

enum class MarketEvent { None, Low, Glut, Demand, High };

struct EventTest {
    MarketEvent event;
    int chance; // one in this many
    DrawPurpose purpose;
};

// Tried in this order; the first that succeeds wins.
constexpr EventTest EventTests[] = {
    {MarketEvent::Low, LowPrices.chance, DrawPurpose::LowPrices},
    {MarketEvent::Glut, Glut.chance, DrawPurpose::Glut},
    {MarketEvent::Demand, PharaohsDemand.chance, DrawPurpose::PharaohsDemand},
    {MarketEvent::High, HighPrices.chance, DrawPurpose::HighPrices},
};

// The day's spread: a price lies between the base and the base divided by this, added.
constexpr double Spread = 0.7;

double UsualPrice(double basePrice, double r) {
    return basePrice + std::floor(r * (basePrice / Spread));
}

// The draws of one entry of the market: an item in a town on the market's day.
struct Entry {
    GameServices& services;
    const MainTables& tables;
    DrawKey key;

    float Draw(DrawPurpose purpose) {
        key.purpose = purpose;
        return dunemark::Draw(services, tables, key);
    }
};

MarketEvent DrawEvent(Entry& entry, bool isCurrentTown) {
    for (const auto& test : EventTests) {
        // Every test draws, in every town; only the current town can take the event.
        if (OneChanceIn(entry.Draw(test.purpose), test.chance) && isCurrentTown)
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
    const double usual = UsualPrice(basePrice, r);
    switch (event) {
    case MarketEvent::Low:
        return UsualPrice(basePrice * LowPrices.priceFactor, r);
    case MarketEvent::Glut:
        return usual * Glut.priceFactor;
    case MarketEvent::Demand:
        return usual * PharaohsDemand.priceFactor;
    case MarketEvent::High:
        return usual * HighPrices.priceFactor;
    case MarketEvent::None:
        break;
    }
    return usual;
}

} // namespace

std::int32_t HighestUsualPrice(std::int32_t basePrice) {
    // The highest draw the generator gives, just below 1 in single precision.
    const double highestDraw = std::nextafter(1.0F, 0.0F);
    return static_cast<std::int32_t>(UsualPrice(basePrice, highestDraw));
}

void GenerateMarket(DeclareVars& vars, const MainTables& tables, GameServices& services,
                    std::int16_t day) {
    for (int t = 0; t < TownCount; ++t) {
        for (int k = 1; k <= ItemCount; ++k) {
            // A market game's draws need no seed: the number and the entry decide them.
            if (!tables.MarketNumber)
                services.random.Randomize(services.clock.SecondsSinceMidnight());
            const std::string& name = tables.ItemNames[k - 1];
            vars.MarketItems[k][NameField][t] = name;

            Entry entry{services, tables, {day, t, k, DrawPurpose::Price}};
            const MarketEvent event = DrawEvent(entry, t == vars.CurrentTown);
            if (event != MarketEvent::None && tables.CurrentDay != 0)
                Tell(services, {EventPhrase(event), name}, MsgIcon::None);

            const double r = entry.Draw(DrawPurpose::Price);
            vars.MarketItems[k][PriceField][t] =
                std::floor(Price(event, tables.BasePrices[k - 1], r));
        }
    }
}

} // namespace dunemark
