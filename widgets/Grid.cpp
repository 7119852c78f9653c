#include "widgets/Grid.h"

#include "widgets/Keys.h"
#include "widgets/Look.h"
#include "widgets/ScreenReader.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

namespace dunemark {

namespace {

constexpr int RowHeight = 16;
constexpr int RingWidth = 2;
// Far enough from the window's colour to stand out from the grid's own frame, which is close to it.
constexpr double RingContrast = 7;

// A frame in the desktop's highlight colour, made to stand out from the window, over the grid's
// edge while it has the keyboard: the player sees which of the window's grids the keys move in.
class FocusRing final : public QWidget {
public:
    explicit FocusRing(QWidget* grid)
        : QWidget(grid) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const double half = RingWidth / 2.0;
        const QColor ring = StandingOut(palette().color(QPalette::Highlight),
                                        palette().color(QPalette::Window), RingContrast);
        painter.setPen(QPen(ring, RingWidth));
        painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
    }
};

} // namespace

Grid::Grid(const QStringList& headers, QWidget* parent)
    : QTableWidget(DataRows, static_cast<int>(headers.size()), parent) {
    setFont(SansSerif());
    setHorizontalHeaderLabels(headers);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(RowHeight);
    verticalHeader()->setMinimumSectionSize(RowHeight);
    horizontalHeader()->setFont(SansSerif());
    horizontalHeader()->setFixedHeight(RowHeight);
    horizontalHeader()->setStretchLastSection(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    focusRing_ = new FocusRing(this);
    for (int r = 0; r < DataRows; ++r)
        for (int c = 0; c < columnCount(); ++c)
            setItem(r, c, new QTableWidgetItem);

    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int, int oldRow, int) {
        if (row >= 0 && row != oldRow)
            emit rowSelected(row + 1);
    });
    connect(this, &QTableWidget::cellClicked, this,
            [this](int row, int) { emit rowSelected(row + 1); });
}

void Grid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    QTableWidget::scrollTo(index, hint);
    horizontalScrollBar()->setValue(0);
}

void Grid::keyPressEvent(QKeyEvent* event) {
    if (IsPlainEnter(event)) {
        emit rowChosen(Row());
        return;
    }
    // The keys that move between rows as Qt has them: Home and End with Ctrl, the others alone.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool movesRow =
        QList{Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown}.contains(event->key())
            ? modifiers == Qt::NoModifier
            : QList{Qt::Key_Home, Qt::Key_End}.contains(event->key()) &&
                  modifiers == Qt::ControlModifier;
    if (movesRow && passEmptyRows_ && ScreenReaderOn() && FilledRowFor(Qt::Key_Home, -1) >= 0) {
        // Past the first or last filled row the key goes no further, as at the grid's edge.
        if (const int row = FilledRowFor(event->key(), currentRow()); row >= 0)
            setCurrentCell(row, std::max(currentColumn(), 0));
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void Grid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    focusRing_->setGeometry(rect());
}

void Grid::focusOutEvent(QFocusEvent* event) {
    QTableWidget::focusOutEvent(event);
    focusRing_->hide();
}

int Grid::FilledRowFor(int key, int row) const {
    int from = row;
    int step = 0;
    switch (key) {
    case Qt::Key_Up:
        step = -1;
        break;
    case Qt::Key_Down:
        step = 1;
        break;
    case Qt::Key_Home:
    case Qt::Key_PageUp:
        from = -1, step = 1;
        break;
    case Qt::Key_End:
    case Qt::Key_PageDown:
        from = rowCount(), step = -1;
        break;
    default:
        return -1;
    }
    for (int r = from + step; r >= 0 && r < rowCount(); r += step)
        if (Filled(r))
            return r;
    return -1;
}

void Grid::focusInEvent(QFocusEvent* event) {
    if (passEmptyRows_ && ScreenReaderOn() && !Filled(std::max(currentRow(), 0))) {
        const int filled = FilledRowFor(Qt::Key_Home, -1);
        if (filled >= 0)
            setCurrentCell(filled, std::max(currentColumn(), 0));
    }
    QTableWidget::focusInEvent(event);
    focusRing_->setGeometry(rect());
    focusRing_->raise();
    focusRing_->show();
    // Qt tells a screen reader of the table only, once this event is over: the row Enter acts
    // on is told after it, as if the player had just moved to it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            const QModelIndex current = currentIndex();
            if (!hasFocus() || !current.isValid())
                return;
            currentChanged(current, current);
            emit rowTold(current.row() + 1);
        },
        Qt::QueuedConnection);
}

int Grid::Row() const {
    const int row = currentRow();
    return row < 0 ? 1 : row + 1;
}

void Grid::SetRow(int row) {
    setCurrentCell(row - 1, std::max(currentColumn(), 0));
}

void Grid::SetSpokenText(int row, int col, const QString& text) {
    item(row - 1, col)->setData(Qt::AccessibleTextRole, text.isEmpty() ? QVariant() : text);
}

QString Grid::TextMatrix(int row, int col) const {
    return item(row - 1, col)->text();
}

void Grid::SetTextMatrix(int row, int col, const QString& text) {
    item(row - 1, col)->setText(text);
}

} // namespace dunemark
