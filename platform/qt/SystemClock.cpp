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

} // namespace dunemark
