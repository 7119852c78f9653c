#pragma once

#include <string>

namespace dunemark {

class Clock {
public:
    virtual ~Clock() = default;
    // The time of day in seconds since midnight, with its fraction.
    virtual double SecondsSinceMidnight() = 0;
    // Today's date in the user's short date format.
    virtual std::string ShortDate() = 0;
};

} // namespace dunemark
