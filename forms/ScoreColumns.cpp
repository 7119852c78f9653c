#include "forms/ScoreColumns.h"

#include "widgets/FitLabel.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <functional>

namespace dunemark {

namespace {

constexpr int ColumnGap = 4; // between two columns, and after the last

int Widest(const QFont& face, const QStringList& texts) {
    const QFontMetricsF metrics(face);
    double widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text.left(WholeChars)));
    return static_cast<int>(std::ceil(widest));
}

// The date and total columns move left from their designed edges as far as their texts need to
// end inside the row, then right as far as the names before them need. Each column reaches to
// the next one.
ScoreColumns Place(int right, int name, int date, int time) {
    int timeLeft = std::min(HighTimeLeft, right - time);
    int dateLeft = std::min(HighDateLeft, timeLeft - ColumnGap - date);
    dateLeft = std::max(dateLeft, HighNameLeft + name + ColumnGap);
    timeLeft = std::max(timeLeft, dateLeft + date + ColumnGap);
    return {{HighNameLeft, dateLeft - ColumnGap - HighNameLeft},
            {dateLeft, timeLeft - ColumnGap - dateLeft},
            {timeLeft, right - timeLeft},
            {}};
}

} // namespace

ScoreColumns ArrangeScoreColumns(const QFont& face, int rowWidth, const QStringList& names,
                                 const QStringList& dates, const QStringList& totals) {
    const int right = rowWidth - ColumnGap;
    const auto place = [&](int name, const QFont& size) {
        return Place(right, name, Widest(size, dates), Widest(size, totals));
    };
    const auto fits = [&](int name, const QFont& size) {
        return place(name, size).time.width >= Widest(size, totals);
    };
    // All three columns smaller alike, as far as the names need; at the least size, names that
    // still do not fit have what is left, and are cut short to it.
    const QFont least = FitLabel::LargestFitting(
        face, [&](const QFont& size) { return fits(Widest(size, names), size); });
    const int remaining =
        right - HighNameLeft - Widest(least, dates) - Widest(least, totals) - 2 * ColumnGap;
    const int name = std::min(Widest(least, names), std::max(0, remaining));
    // Then the dates and totals as large again as the room beside the names allows.
    ScoreColumns columns = place(
        name, FitLabel::LargestFitting(face, [&](const QFont& size) { return fits(name, size); }));
    columns.face = least;
    return columns;
}

} // namespace dunemark
