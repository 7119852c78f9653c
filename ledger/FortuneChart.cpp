#include "ledger/FortuneChart.h"

#include "widgets/Look.h"
#include "widgets/Speech.h"

#include <QBrush>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>

namespace dunemark {

namespace {
const QColor RankColour{0x8A, 0x5E, 0x26}; // the pyramids' outline on the map
const LineLook MoneyLook{colours::DarkGreen, Qt::SolidLine, LineLook::Circle};
const LineLook WorthLook{{0x7B, 0x32, 0x94}, Qt::DashLine, LineLook::Diamond}; // purple
constexpr int LabelInset = 4;
constexpr int LabelPad = 2;
constexpr int LabelGap = 2;     // between a label lifted clear and the one below it
constexpr double OverAll = 100; // the names of the burials lie over the lines and the grid
} // namespace

FortuneChart::FortuneChart(const MainTables& tables, QWidget* parent)
    : LedgerChart(parent)
    , tables_(tables)
    , moneyLine_(AddLine(tr("Money (cash + bank - loan)"), MoneyLook))
    , worthLine_(AddLine(tr("Worth (money + goods)"), WorthLook)) {
    for (int rank = 0; rank < DesertRank; ++rank) {
        auto* line = new QLineSeries(this);
        line->setPen(QPen(RankColour, 1, Qt::DashLine));
        chart()->addSeries(line);
        line->attachAxis(days_);
        line->attachAxis(money_);
        rankLines_[rank] = line;
        auto* back = new QGraphicsRectItem(chart());
        back->setPen(QPen(RankColour, 1));
        back->setBrush(QColor(255, 255, 255, 235));
        back->setZValue(OverAll);
        auto* label = new QGraphicsSimpleTextItem(Say(BurialShortCaption(rank)), back);
        label->setBrush(RankColour);
        label->setPos(LabelPad, 0);
        back->setRect(QRectF(QPointF(), label->boundingRect().size() + QSizeF(2 * LabelPad, 0)));
        rankLabels_[rank] = label;
    }
    // The two money lines are named in the legend; the burials' lines by their own labels.
    for (QLineSeries* line : rankLines_)
        for (QLegendMarker* marker : chart()->legend()->markers(line))
            marker->setVisible(false);
    money_->setTitleText(tr("Money"));
    connect(chart(), &QChart::plotAreaChanged, this, &FortuneChart::PlaceRankLabels);
}

void FortuneChart::Show() {
    const Ledger& ledger = tables_.Record;
    QList<QPointF> money;
    QList<QPointF> worth;
    double low = 0;
    double high = 0;
    for (int day = 0; day < ledger.DaysSeen(); ++day) {
        const auto fortune = ledger.Fortune(day);
        const auto goods = ledger.Worth(day);
        if (!fortune || !goods)
            continue;
        money.append(QPointF(day, *fortune));
        worth.append(QPointF(day, static_cast<double>(*goods)));
        low = std::min<double>(low, *fortune);
        high = std::max({high, static_cast<double>(*fortune), static_cast<double>(*goods)});
    }
    moneyLine_->replace(money);
    worthLine_->replace(worth);
    // The next burial above the best figure so far stays in sight: the one within reach.
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
    double roomAbove = area.bottom(); // the lowest label may sit down to the bottom of the chart
    // From the lowest burial up, every one in range is named just above its line; where the
    // figures have squeezed the lines together, a label is lifted clear of the one below it.
    for (int rank = DesertRank - 1; rank >= 0; --rank) {
        const double total = BurialThreshold(rank);
        const double y = chart()->mapToPosition(QPointF(0, total), rankLines_[rank]).y();
        auto* back = static_cast<QGraphicsRectItem*>(rankLabels_[rank]->parentItem());
        const double height = back->rect().height();
        const bool shown = total > money_->min() && total < money_->max();
        const double top = std::min(y - height, roomAbove - height - LabelGap);
        back->setPos(area.left() + LabelInset, top);
        back->setVisible(shown);
        rankLines_[rank]->setVisible(shown);
        if (shown)
            roomAbove = top;
    }
}

QStringList FortuneChart::RankLabelsShown() const {
    QStringList shown;
    for (const QGraphicsSimpleTextItem* label : rankLabels_)
        if (label->parentItem()->isVisible())
            shown << label->text();
    return shown;
}

QString FortuneChart::PointText(const QLineSeries& line, QPointF point) const {
    const QString what = &line == moneyLine_ ? tr("money") : tr("worth");
    return tr("Day %1, %2: %3").arg(qRound(point.x())).arg(what, LedgerMoney(point.y()));
}

} // namespace dunemark
