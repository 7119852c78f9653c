#pragma once

#include "core/Burial.h"
#include "core/MainTables.h"
#include "ledger/LedgerChart.h"

#include <array>

class QGraphicsSimpleTextItem;

namespace dunemark {

// The player's money (what the end of the game counts) and worth (money and goods) at the end of
// each day, over dashed lines at the totals that each burial must beat, each named by its burial.
class FortuneChart : public LedgerChart {
    Q_OBJECT
public:
    explicit FortuneChart(const MainTables& tables, QWidget* parent = nullptr);

    void Show();

    // The rank lines whose names are in sight.
    QStringList RankLabelsShown() const;

protected:
    QString PointText(const QLineSeries& line, QPointF point) const override;

private:
    void PlaceRankLabels();

    const MainTables& tables_;
    QLineSeries* moneyLine_;
    QLineSeries* worthLine_;
    std::array<QLineSeries*, DesertRank> rankLines_{};
    std::array<QGraphicsSimpleTextItem*, DesertRank> rankLabels_{};
};

} // namespace dunemark
