#pragma once

#include <chrono>
#include <string>

namespace dunemark {

class Clock {
public:
    virtual ~Clock() = default;
    // The time of day in seconds since midnight, with its fraction.
    virtual double SecondsSinceMidnight() = 0;
    // Today's date in the user's short date format.
    virtual std::string ShortDate() = 0;
    // Today's date where the user is.
    virtual std::chrono::year_month_day Today() = 0;
};

} // namespace dunemark
