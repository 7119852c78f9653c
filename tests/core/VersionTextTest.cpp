#include "core/VersionText.h"

#include <gtest/gtest.h>

namespace dunemark {
namespace {

TEST(VersionText, PadsTheMinorToTwoDigitsAndTheRevisionToFour) {
    EXPECT_EQ(VersionText(1, 0, 5), "1.00.0005");
    EXPECT_EQ(VersionText(0, 0, 0), "0.00.0000");
    EXPECT_EQ(VersionText(10, 99, 9999), "10.99.9999");
    EXPECT_EQ(VersionText(3, 100, 12345), "3.100.12345"); // wider numbers are not cut
}

} // namespace
} // namespace dunemark
