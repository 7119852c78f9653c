#include "forms/FortuneChart.h"

#include "forms/Look.h"
#include "forms/Speech.h"

#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace dunemark {

namespace {
const QColor RankColour{0x8A, 0x5E, 0x26}; // the pyramids' outline on the map
constexpr int LabelInset = 4;
} // namespace

FortuneChart::FortuneChart(const MainTables& tables, QWidget* parent)
    : LedgerChart(parent)
    , tables_(tables)
    , fortune_(AddLine(tr("Fortune"), colours::DarkGreen)) {
    for (int rank = 0; rank < DesertRank; ++rank) {
        auto* line = new QLineSeries(this);
        line->setPen(QPen(RankColour, 1, Qt::DashLine));
        chart()->addSeries(line);
        line->attachAxis(days_);
        line->attachAxis(money_);
        rankLines_[rank] = line;
        rankLabels_[rank] = new QGraphicsSimpleTextItem(Say(BurialShortCaption(rank)), chart());
        rankLabels_[rank]->setBrush(RankColour);
    }
    chart()->legend()->hide();
    money_->setTitleText(tr("Fortune"));
    connect(chart(), &QChart::plotAreaChanged, this, &FortuneChart::PlaceRankLabels);
}

void FortuneChart::Show() {
    const Ledger& ledger = tables_.Record;
    QList<QPointF> points;
    double low = 0;
    double high = 0;
    for (int day = 0; day < ledger.DaysSeen(); ++day) {
        if (const auto fortune = ledger.Fortune(day)) {
            points.append(QPointF(day, *fortune));
            low = std::min<double>(low, *fortune);
            high = std::max<double>(high, *fortune);
        }
    }
    fortune_->replace(points);
    // The next burial above the best fortune so far stays in sight: the one within reach.
    for (int rank = DesertRank - 1; rank >= 0; --rank) {
        if (BurialThreshold(rank) >= high) {
            high = BurialThreshold(rank);
            break;
        }
    }
    for (int rank = 0; rank < DesertRank; ++rank)
        rankLines_[rank]->replace(
            {QPointF(0, BurialThreshold(rank)), QPointF(tables_.LastDay, BurialThreshold(rank))});
    SetRanges(tables_.LastDay, low, high);
    PlaceRankLabels();
}

void FortuneChart::PlaceRankLabels() {
    const QRectF area = chart()->plotArea();
    double roomBelow = area.top() - area.height(); // no label drawn yet
    // From the best burial down: a line whose name would run into the one above is left out,
    // as the figures have outgrown the difference between them.
    for (int rank = 0; rank < DesertRank; ++rank) {
        const double total = BurialThreshold(rank);
        const double y = chart()->mapToPosition(QPointF(0, total), rankLines_[rank]).y();
        QGraphicsSimpleTextItem* label = rankLabels_[rank];
        const double height = label->boundingRect().height();
        const bool shown =
            total > money_->min() && total < money_->max() && y - height >= roomBelow;
        label->setPos(area.left() + LabelInset, y - height);
        label->setVisible(shown);
        rankLines_[rank]->setVisible(shown);
        if (shown)
            roomBelow = y;
    }
}

QStringList FortuneChart::RankLabelsShown() const {
    QStringList shown;
    for (const QGraphicsSimpleTextItem* label : rankLabels_)
        if (label->isVisible())
            shown << label->text();
    return shown;
}

QString FortuneChart::PointText(const QLineSeries&, QPointF point) const {
    return tr("Day %1: %2").arg(qRound(point.x())).arg(LedgerMoney(point.y()));
}

} // namespace dunemark
