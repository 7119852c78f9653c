#pragma once

#include "core/DeclareVars.h"

#include <QWidget>

namespace dunemark {

// Says a line to a screen reader without moving the focus: what a journey or a trade changed.
// Nothing is drawn; to the reader it is a notification that shows each time it has news, which
// Orca speaks at once.
class SpokenNews : public QWidget {
    Q_OBJECT
public:
    explicit SpokenNews(QWidget* parent);

    void Tell(const QString& news);

    // The last line told.
    QString News() const { return accessibleName(); }
};

// Money as a screen reader says it: with the thousands separator, and 0 as 0.
QString SpokenMoney(double value);

// The player's money as it is told: "Cash 2,000, debt 5,500.", and the bank once he owns one.
QString MoneyHeld(const DeclareVars& vars);

} // namespace dunemark
