#include "ledger/PriceChart.h"

#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace dunemark {

namespace {
// Blue, amber and dark brown: apart in hue or brightness in every common form of colour
// blindness. A day between two visits is not known, so every join is broken, each town's in its
// own way.
const LineLook TownLooks[TownCount] = {
    {{0x00, 0x60, 0xC0}, Qt::DotLine, LineLook::Circle},
    {{0xD0, 0x8A, 0x00}, Qt::DashLine, LineLook::Triangle},
    {{0x7A, 0x28, 0x00}, Qt::DashDotLine, LineLook::Square},
};
} // namespace

PriceChart::PriceChart(const MainTables& tables, QWidget* parent)
    : LedgerChart(parent)
    , tables_(tables) {
    for (int t = 0; t < TownCount; ++t)
        AddLine(QString::fromStdString(tables.TownNames[t]), TownLooks[t]);
    money_->setTitleText(tr("Price"));
}

void PriceChart::Show(int item) {
    const Ledger& ledger = tables_.Record;
    double dearest = 0;
    for (int t = 0; t < TownCount; ++t) {
        QList<QPointF> points;
        for (int day = 0; day < ledger.DaysSeen(); ++day) {
            if (const auto price = ledger.Price(day, t, item)) {
                points.append(QPointF(day, *price));
                dearest = std::max<double>(dearest, *price);
            }
        }
        Lines()[static_cast<std::size_t>(t)]->replace(points);
    }
    SetRanges(tables_.LastDay, 0, dearest);
}

QString PriceChart::PointText(const QLineSeries& line, QPointF point) const {
    return tr("%1, day %2: %3").arg(line.name()).arg(qRound(point.x())).arg(LedgerMoney(point.y()));
}

} // namespace dunemark
