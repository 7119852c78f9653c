#include "core/GameOver.h"

#include "core/NumberText.h"
#include "core/Saturate.h"

namespace dunemark {

std::int32_t FinalTotal(std::int32_t bankBalance, std::int32_t cash, std::int32_t debt) {
    const std::int64_t total = std::int64_t{bankBalance} + cash - debt;
    return SaturateInt32(static_cast<double>(total));
}

Said GameOverMessage(std::int32_t total, std::string_view groupSeparator) {
    return {Phrase::GameOverTotal, FormatMoney(total, groupSeparator)};
}

} // namespace dunemark
