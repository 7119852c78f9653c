#include "core/VersionText.h"

#include <gtest/gtest.h>

namespace dunemark {
namespace {

struct VersionCase {
    int major;
    int minor;
    int revision;
    const char* expected;
};

TEST(VersionText, PadsTheMinorToTwoDigitsAndTheRevisionToFour) {
    const VersionCase cases[] = {
        {1, 0, 5, "1.00.0005"},   {2, 3, 45, "2.03.0045"},      {1, 12, 12345, "1.12.12345"},
        {0, 0, 0, "0.00.0000"},   {10, 99, 9999, "10.99.9999"}, {3, 100, 1000, "3.100.1000"},
        {1, 7, 123, "1.07.0123"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VersionText(c.major, c.minor, c.revision), c.expected)
            << c.major << '.' << c.minor << '.' << c.revision;
}

} // namespace
} // namespace dunemark
