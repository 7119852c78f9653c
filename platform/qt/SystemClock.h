#pragma once

#include "platform/Clock.h"

namespace dunemark {

class SystemClock final : public Clock {
public:
    double SecondsSinceMidnight() override;
    std::string ShortDate() override;
    std::chrono::year_month_day Today() override;
};

} // namespace dunemark
