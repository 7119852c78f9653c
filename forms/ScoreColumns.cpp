#include "forms/ScoreColumns.h"

#include "forms/FitLabel.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

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

ScoreColumns ArrangeScoreColumns(QFont face, int rowWidth, const QStringList& names,
                                 const QStringList& dates, const QStringList& totals) {
    const int right = rowWidth - ColumnGap;
    for (;;) {
        const int date = Widest(face, dates);
        const int time = Widest(face, totals);
        int name = Widest(face, names);
        const bool least = face.pointSizeF() - FitLabel::PointStep < FitLabel::LeastPoints;
        if (least) // the names have what is left, and are cut short to it
            name = std::min(name, std::max(0, right - HighNameLeft - date - time - 2 * ColumnGap));
        ScoreColumns columns = Place(right, name, date, time);
        if (columns.time.width >= time || least) {
            columns.face = face;
            return columns;
        }
        face.setPointSizeF(face.pointSizeF() - FitLabel::PointStep);
    }
}

} // namespace dunemark
