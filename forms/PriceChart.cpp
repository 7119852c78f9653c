#include "forms/PriceChart.h"

#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace dunemark {

namespace {
// Colours of the map: the river, the fields and the earth of the valley.
const QColor TownColours[TownCount] = {{0x2F, 0x7F, 0xB8}, {0x55, 0x75, 0x2E}, {0x8A, 0x5A, 0x2A}};
} // namespace

PriceChart::PriceChart(const MainTables& tables, QWidget* parent)
    : LedgerChart(parent)
    , tables_(tables) {
    for (int t = 0; t < TownCount; ++t) {
        QLineSeries* line = AddLine(QString::fromStdString(tables.TownNames[t]), TownColours[t]);
        for (QLegendMarker* marker : chart()->legend()->markers(line))
            marker->setLabelBrush(TownColours[t]);
    }
    chart()->legend()->setAlignment(Qt::AlignTop);
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
