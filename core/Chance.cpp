#include "core/Chance.h"

#include "platform/SplitMix.h"

#include <cmath>

namespace dunemark {

float NumberedDraw(std::uint32_t market, const DrawKey& key) {
    // Every field of the key has bits of its own: the number (at most 27 bits) above the day, the
    // town (shifted so that NoTown is 0), the item and the purpose.
    const std::uint64_t packed =
        std::uint64_t{market} << 32 | std::uint64_t{static_cast<std::uint16_t>(key.day)} << 16 |
        std::uint64_t{static_cast<std::uint8_t>(key.town + 1) & 0xFU} << 12 |
        std::uint64_t{static_cast<std::uint8_t>(key.item)} << 4 |
        std::uint64_t{static_cast<std::uint8_t>(key.purpose) & 0xFU};
    return UnitFloat(SplitMix(SplitMix(packed) + GoldenGamma));
}

float Draw(GameServices& services, const MainTables& tables, const DrawKey& key) {
    if (tables.MarketNumber)
        return NumberedDraw(*tables.MarketNumber, key);
    return services.random.Rnd();
}

bool OneChanceIn(float u, int n) {
    return std::floor(static_cast<double>(u) * n) == 1.0;
}

} // namespace dunemark
