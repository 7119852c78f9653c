#pragma once

#include "core/MainTables.h"

#include <QTableWidget>

namespace dunemark {

// The last price the player saw of every good in every town, and the day he saw it: what a trader
// would otherwise write down. The lowest and the highest price of each good are marked with a
// sign and bold type, and named in the cell's text for a screen reader.
class LastSeenTable : public QTableWidget {
    Q_OBJECT
public:
    LastSeenTable(const MainTables& tables, QWidget* parent = nullptr);

    void Show();

    // The width at which the widest prices a game can show still stand whole.
    int WidthNeeded() const;

    // The signs before the lowest and the highest price of a row.
    static QString LowMark();
    static QString HighMark();

private:
    void ShowRow(int good); // good 1..10

    const MainTables& tables_;
};

} // namespace dunemark
