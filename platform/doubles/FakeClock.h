#pragma once

#include "platform/Clock.h"

#include <string>

namespace dunemark {

class FakeClock final : public Clock {
public:
    double SecondsSinceMidnight() override { return seconds; }
    std::string ShortDate() override { return date; }

    double seconds = 43200.0;
    std::string date = "06/12/2026";
};

} // namespace dunemark
