#pragma once

#include <QChartView>
#include <QColor>
#include <QString>
#include <vector>

class QLineSeries;
class QValueAxis;

namespace dunemark {

// Money as the ledger writes it: the main window's money format, but 0 shows as "0".
QString LedgerMoney(double value);

// How a line is told apart from the others without its colour: its dash pattern and the shape
// of its points, drawn alike in the chart and in the legend.
struct LineLook {
    enum Shape { Circle, Square, Triangle, Diamond };
    QColor colour;
    Qt::PenStyle dashes = Qt::SolidLine;
    Shape shape = Circle;
};

// A chart of figures over the days of a game: the days along the bottom, money with the
// locale's grouping up the side. The point under the mouse is named in a tooltip.
class LedgerChart : public QChartView {
    Q_OBJECT
public:
    explicit LedgerChart(QWidget* parent = nullptr);

    // What the tooltip says at `viewportPos`: the nearest point within a few pixels, or nothing.
    QString PointTextAt(QPoint viewportPos) const;

    const std::vector<QLineSeries*>& Lines() const { return lines_; }

protected:
    // A line of figures, drawn with its points, named in the legend.
    QLineSeries* AddLine(const QString& name, const LineLook& look);
    // The days 0..lastDay along the bottom, money from low to high up the side.
    void SetRanges(int lastDay, double low, double high);
    virtual QString PointText(const QLineSeries& line, QPointF point) const = 0;

    bool viewportEvent(QEvent* event) override;

    QValueAxis* days_;
    QValueAxis* money_;

private:
    std::vector<QLineSeries*> lines_;
};

} // namespace dunemark
