#include "core/NumberText.h"

#include <gtest/gtest.h>
#include <limits>

namespace dunemark {
namespace {

struct LeadingCase {
    const char* text;
    double expected;
};

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith) {
    const LeadingCase cases[] = {
        {"12abc", 12}, {"abc", 0},    {"", 0},           {"007", 7},       {"2.50", 2.5},
        {"1,500", 1},  {"2e3", 2000}, {"2E+3", 2000},    {"25e-1", 2.5},   {"-50", -50},
        {" 7", 7},     {"+8", 8},     {"\t-3.5x", -3.5}, {".5", 0.5},      {"5.", 5},
        {"-", 0},      {".", 0},      {"e5", 0},         {"3e", 3},        {"3e+", 3},
        {"1 2", 12},   {"- 4", -4},   {"99.9", 99.9},    {"100.5", 100.5}, {"0x10", 0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.expected) << '"' << c.text << '"';
}

TEST(LeadingNumber, NumbersBeyondADoubleStayFinite) {
    EXPECT_EQ(LeadingNumber("1e999"), std::numeric_limits<double>::max());
    EXPECT_EQ(LeadingNumber("-1e999"), -std::numeric_limits<double>::max());
    EXPECT_EQ(LeadingNumber("1e-999"), 0.0);
    EXPECT_EQ(LeadingNumber(std::string(400, '9')), std::numeric_limits<double>::max());
}

TEST(PlainNumber, WritesDigitsWithoutGroupingOrNeedlessFractionAndReadsBackTheSame) {
    EXPECT_EQ(PlainNumber(-0.0), "0");
    EXPECT_EQ(PlainNumber(-50), "-50");
    EXPECT_EQ(PlainNumber(2147483647), "2147483647");
    EXPECT_EQ(PlainNumber(1e20), "100000000000000000000");
    EXPECT_EQ(PlainNumber(0.1), "0.1");
    for (double value : {0.5, 99.9, 123456.789, -0.001, 4857.0, 1e-7})
        EXPECT_EQ(LeadingNumber(PlainNumber(value)), value) << value;
}

TEST(FormatMoney, GroupsWholeMoneyInThreesAndShowsZeroAsNothing) {
    EXPECT_EQ(FormatMoney(0, ","), "");
    EXPECT_EQ(FormatMoney(0.4, ","), "");
    EXPECT_EQ(FormatMoney(100, ","), "100");
    EXPECT_EQ(FormatMoney(4857, ","), "4,857");
    EXPECT_EQ(FormatMoney(1999.6, ","), "2,000");
    EXPECT_EQ(FormatMoney(2147483647, ","), "2,147,483,647");
    EXPECT_EQ(FormatMoney(-2000, ","), "-2,000");
    EXPECT_EQ(FormatMoney(-20, ","), "-20");
    EXPECT_EQ(FormatMoney(1234567, "\u202f"), "1\u202f234\u202f567");
}

struct BoxCase {
    const char* typed;
    double limit;
    LimitCheck check;
    const char* shown;
};

TEST(NumberBoxText, KeepsAValidNumberBetweenZeroAndTheLimit) {
    constexpr auto Whole = LimitCheck::WholePart;
    constexpr auto Exact = LimitCheck::Exact;
    const BoxCase cases[] = {
        {"12abc", 100, Whole, "12"},   {"abc", 100, Whole, "0"},     {"", 100, Whole, "0"},
        {"007", 100, Whole, "7"},      {"2.50", 100, Whole, "2.5"},  {"40", 5, Whole, "5"},
        {"-5", 100, Whole, "0"},       {"5.5", 5, Whole, "5.5"},     {"6", 5, Whole, "5"},
        {"5000", 2000, Exact, "2000"}, {"-50", 2000, Exact, "0"},    {"1,500", 2000, Exact, "1"},
        {"99.9", 100, Exact, "99.9"},  {"100.5", 100, Exact, "100"}, {"2e3", 5000, Exact, "2000"},
        {"7", 0, Exact, "0"},          {"3", -4, Exact, "0"},        {"1e999", 9999, Whole, "9999"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberBoxText(c.typed, c.limit, c.check), c.shown)
            << '"' << c.typed << "\" limit " << c.limit;
}

TEST(NumberBoxText, ARewrittenTextStaysAsItIs) {
    for (const char* typed : {"12abc", "-3", "", "2.50", "400", "1e5"}) {
        const std::string once = NumberBoxText(typed, 300, LimitCheck::WholePart);
        EXPECT_EQ(NumberBoxText(once, 300, LimitCheck::WholePart), once) << typed;
    }
}

} // namespace
} // namespace dunemark
