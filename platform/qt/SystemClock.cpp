#include "platform/qt/SystemClock.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace dunemark {

double SystemClock::SecondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

std::string SystemClock::ShortDate() {
    return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::chrono::year_month_day SystemClock::Today() {
    const QDate today = QDate::currentDate();
    return std::chrono::year_month_day{std::chrono::year(today.year()),
                                       std::chrono::month(static_cast<unsigned>(today.month())),
                                       std::chrono::day(static_cast<unsigned>(today.day()))};
}

} // namespace dunemark
