// Any text as the number boxes and the store read it: the number it begins with is a number (not
// NaN, not infinite), a number box's rewrite of it stays within its limit and is a fixed point,
// and plain number text reads back as the same number.
#include "core/NumberText.h"
#include "core/Trade.h"
#include "scores/HighScoreTable.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr double Limit = 1000;

void Require(bool held) {
    if (!held)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dunemark;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const double value = LeadingNumber(text);
    Require(std::isfinite(value));
    Require(LeadingNumber(PlainNumber(value)) == value);
    FormatMoney(value, ",");
    ReadMoney(text, ",");
    ReadStoredTotal(std::string(text));

    for (const LimitCheck check : {LimitCheck::WholePart, LimitCheck::Exact}) {
        const std::string boxed = NumberBoxText(text, Limit, check);
        const double number = LeadingNumber(boxed);
        Require(number >= 0);
        Require((check == LimitCheck::WholePart ? std::floor(number) : number) <= Limit);
        Require(NumberBoxText(boxed, Limit, check) == boxed);
    }
    return 0;
}
