#pragma once

#include "core/MainTables.h"
#include "ledger/LedgerChart.h"

namespace dunemark {

// The prices the player has seen of one item: a line per town, a point for each day he was
// there, the legend naming the towns in their colours.
class PriceChart : public LedgerChart {
    Q_OBJECT
public:
    explicit PriceChart(const MainTables& tables, QWidget* parent = nullptr);

    // Shows item `item` (1..10) as the ledger stands.
    void Show(int item);

protected:
    QString PointText(const QLineSeries& line, QPointF point) const override;

private:
    const MainTables& tables_;
};

} // namespace dunemark
