#include "ledger/LedgerChart.h"

#include "widgets/Look.h"

#include <QGraphicsLayout>
#include <QHelpEvent>
#include <QImage>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QPolygonF>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace dunemark {

namespace {
constexpr double ReachPx = 8; // how near the mouse must come to a point to name it
constexpr int DayStep = 5;    // a labelled day every five days
constexpr double MoneyMarks = 4;
constexpr double Margin = 0.05; // of the span, below the lowest figure and above the highest
constexpr int MarkerPx = 9;     // a point's mark, across
constexpr int MarkerDetail = 4; // the mark is drawn this many times finer, for high scales

// A point's mark: its shape filled with the line's colour, outlined in white so that it stands
// out where lines cross.
QImage Marker(const LineLook& look) {
    const int size = MarkerPx * MarkerDetail;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, MarkerDetail));
    painter.setBrush(look.colour);
    const double a = MarkerDetail;        // inset
    const double b = size - MarkerDetail; // far edge
    const double mid = size / 2.0;
    switch (look.shape) {
    case LineLook::Circle:
        painter.drawEllipse(QRectF(a, a, b - a, b - a));
        break;
    case LineLook::Square:
        painter.drawRect(QRectF(a + 1, a + 1, b - a - 2, b - a - 2));
        break;
    case LineLook::Triangle:
        painter.drawPolygon(QPolygonF({QPointF(mid, a), QPointF(b, b), QPointF(a, b)}));
        break;
    case LineLook::Diamond:
        painter.drawPolygon(
            QPolygonF({QPointF(mid, a), QPointF(b, mid), QPointF(mid, b), QPointF(a, mid)}));
        break;
    }
    return image;
}
} // namespace

QString LedgerMoney(double value) {
    return value == 0 ? QStringLiteral("0") : Money(value);
}

LedgerChart::LedgerChart(QWidget* parent)
    : QChartView(parent)
    , days_(new QValueAxis(this))
    , money_(new QValueAxis(this)) {
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus); // the keyboard reads the figures in the table
    // On a dark desktop the chart is dark too, rather than a white box in a dark window. Chosen
    // before any line is added: a theme chosen later would take the lines' own colours away.
    if (IsDark(palette()))
        chart()->setTheme(QChart::ChartThemeDark);
    chart()->setMargins(QMargins(4, 4, 8, 4));
    chart()->layout()->setContentsMargins(0, 0, 0, 0);
    chart()->setLocale(QLocale());
    chart()->setLocalizeNumbers(true);
    chart()->setBackgroundRoundness(0);
    days_->setTitleText(tr("Day"));
    days_->setLabelFormat(QStringLiteral("%.0f"));
    days_->setTickType(QValueAxis::TicksDynamic);
    days_->setTickAnchor(0);
    days_->setTickInterval(DayStep);
    days_->setMinorTickCount(DayStep - 1);
    money_->setLabelFormat(QStringLiteral("%.0f"));
    money_->setTickType(QValueAxis::TicksDynamic);
    money_->setTickAnchor(0);
    chart()->legend()->setAlignment(Qt::AlignTop);
    chart()->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    chart()->addAxis(days_, Qt::AlignBottom);
    chart()->addAxis(money_, Qt::AlignLeft);
}

QLineSeries* LedgerChart::AddLine(const QString& name, const LineLook& look) {
    auto* line = new QLineSeries(this);
    line->setName(name);
    // On a dark chart a dark line is lightened until it shows.
    const LineLook shown{ReadableOn(look.colour, palette().color(QPalette::Window)), look.dashes,
                         look.shape};
    line->setPen(QPen(shown.colour, 2, shown.dashes));
    line->setLightMarker(Marker(shown));
    line->setMarkerSize(MarkerPx);
    chart()->addSeries(line);
    line->attachAxis(days_);
    line->attachAxis(money_);
    lines_.push_back(line);
    return line;
}

void LedgerChart::SetRanges(int lastDay, double low, double high) {
    // Half a day of room either side, so that the first and last points show whole.
    days_->setRange(-0.5, lastDay + 0.5);
    // Money is marked at round sums from 0, a handful of them whatever the figures, never
    // closer than 1 apart.
    const double span = std::max(high - low, 1.0);
    const double power = std::pow(10, std::floor(std::log10(span / MoneyMarks)));
    double step = power;
    for (const double factor : {2.0, 5.0, 10.0})
        if (span / step > 2 * MoneyMarks)
            step = power * factor;
    money_->setTickInterval(std::max(step, 1.0));
    money_->setRange(low - span * Margin, high + span * Margin);
}

QString LedgerChart::PointTextAt(QPoint viewportPos) const {
    const QPointF mouse = mapToScene(viewportPos);
    double nearest = ReachPx;
    QString text;
    for (QLineSeries* line : lines_) {
        for (const QPointF& point : line->points()) {
            const QPointF place = chart()->mapToPosition(point, line);
            const double distance = std::hypot(place.x() - mouse.x(), place.y() - mouse.y());
            if (distance <= nearest) {
                nearest = distance;
                text = PointText(*line, point);
            }
        }
    }
    return text;
}

bool LedgerChart::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QChartView::viewportEvent(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QString text = PointTextAt(help->pos());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, viewport());
    return true;
}

} // namespace dunemark
