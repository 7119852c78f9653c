#pragma once

#include <QFont>
#include <QStringList>

namespace dunemark {

// The designed left edges of the high-score table's columns.
inline constexpr int HighNumLeft = 24;
inline constexpr int HighNameLeft = 56;
inline constexpr int HighDateLeft = 168;
inline constexpr int HighTimeLeft = 240;
// Names and dates up to this many characters are shown whole; longer ones are cut short.
inline constexpr int WholeChars = 40;

// Where the name, date and total columns stand in a row of the given width, and the face at
// which the widest text of each fits its column. While the texts fit, the columns keep their
// designed edges at the designed size; wider texts move them apart or together, and when a row
// cannot hold them side by side all three are measured in one smaller size, down to the least.
struct ScoreColumns {
    struct Span {
        int left;
        int width;
    };
    Span name, date, time;
    QFont face;
};

ScoreColumns ArrangeScoreColumns(QFont face, int rowWidth, const QStringList& names,
                                 const QStringList& dates, const QStringList& totals);

} // namespace dunemark
