#include "core/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace dunemark {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks a text the way a person reads a number off its start, ignoring blanks.
class NumberReader {
public:
    explicit NumberReader(std::string_view text)
        : text_(text) {}

    char Peek() {
        while (pos_ < text_.size() && IsBlank(text_[pos_]))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }

    void Skip() { ++pos_; }

    // Appends the digits that follow; returns how many there were.
    std::size_t CopyDigits(std::string& out) {
        std::size_t count = 0;
        while (IsDigit(Peek())) {
            out += text_[pos_++];
            ++count;
        }
        return count;
    }

    std::size_t Mark() {
        Peek();
        return pos_;
    }
    void Rewind(std::size_t mark) { pos_ = mark; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

double LeadingNumber(std::string_view text) {
    NumberReader reader(text);
    bool negative = false;
    if (const char sign = reader.Peek(); sign == '+' || sign == '-') {
        negative = sign == '-';
        reader.Skip();
    }

    std::string number;
    std::size_t digits = reader.CopyDigits(number);
    if (reader.Peek() == '.') {
        reader.Skip();
        number += '.';
        digits += reader.CopyDigits(number);
    }
    if (digits == 0)
        return 0.0;

    if (const char e = reader.Peek(); e == 'e' || e == 'E') {
        const std::size_t mark = reader.Mark();
        reader.Skip();
        std::string exponent = "e";
        if (const char sign = reader.Peek(); sign == '+' || sign == '-') {
            exponent += sign;
            reader.Skip();
        }
        if (reader.CopyDigits(exponent) > 0)
            number += exponent;
        else
            reader.Rewind(mark);
    }

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Either too large or too small for a double: tell them apart by the exponent's sign.
        const auto e = number.find('e');
        const bool tiny = e != std::string::npos && number.compare(e, 2, "e-") == 0;
        value = tiny ? 0.0 : std::numeric_limits<double>::max();
    }
    return negative ? -value : value;
}

std::string PlainNumber(double value) {
    if (value == 0.0 || std::isnan(value))
        return "0";
    if (std::isinf(value))
        value = std::copysign(std::numeric_limits<double>::max(), value);
    std::array<char, 1100> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

std::string FormatMoney(double value, std::string_view groupSeparator) {
    const double rounded = std::round(value);
    if (rounded == 0.0 || std::isnan(rounded))
        return {};
    const double magnitude = std::min(std::fabs(rounded), 9.2e18);
    const std::string digits = std::to_string(static_cast<std::uint64_t>(magnitude));

    std::string out = rounded < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += groupSeparator;
        out += digits[i];
    }
    return out;
}

std::string NumberBoxText(std::string_view text, double limit, LimitCheck check) {
    const double number = LeadingNumber(text);
    if (number < 0)
        return "0";
    const double compared = check == LimitCheck::WholePart ? std::floor(number) : number;
    limit = std::max(limit, 0.0);
    return compared > limit ? PlainNumber(limit) : PlainNumber(number);
}

} // namespace dunemark
