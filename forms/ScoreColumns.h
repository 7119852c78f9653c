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

// Where the name, date and total columns stand in a row of the given width. While the texts fit,
// the columns keep their designed edges; wider texts move them apart or together. When a row
// cannot hold the widest of each side by side at the designed size, all three are measured
// smaller alike, down to the least size, as far as the names need; then the dates and totals as
// large again as the room beside the names allows.
struct ScoreColumns {
    struct Span {
        int left;
        int width;
    };
    Span name, date, time;
    QFont face; // the size at which the widest name fits its column, if any does
};

ScoreColumns ArrangeScoreColumns(const QFont& face, int rowWidth, const QStringList& names,
                                 const QStringList& dates, const QStringList& totals);

} // namespace dunemark
