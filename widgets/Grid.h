#pragma once

#include <QTableWidget>

namespace dunemark {

// A grid of ten data rows under one fixed header row. Rows are numbered as the game numbers its
// items: the header is row 0 and item k stands in row k.
class Grid : public QTableWidget {
    Q_OBJECT
public:
    Grid(const QStringList& headers, QWidget* parent = nullptr);

    static constexpr int DataRows = 10;

    int Row() const; // the selected data row, 1..10
    void SetRow(int row);
    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);
    // What a screen reader says of a cell in place of its text; the empty text for the text.
    void SetSpokenText(int row, int col, const QString& text);

    // With a screen reader, rows whose first cell is empty are passed over while any is filled:
    // the focus comes in on a filled row, and Up, Down, Home and End move between filled rows.
    void PassEmptyRows() { passEmptyRows_ = true; }

    // Whole rows are shown: scrolling to a cell moves only up and down.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

signals:
    // Whenever the player selects a row, by mouse or keyboard, even the one already selected.
    void rowSelected(int row);
    // Enter on the selected row: the player wants the grid's action on it.
    void rowChosen(int row);
    // The focus came in and a screen reader was told the row Enter acts on.
    void rowTold(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The filled row (0-based) that a key moving between rows goes to from `row`; -1 for none.
    int FilledRowFor(int key, int row) const;
    bool Filled(int row) const { return !item(row, 0)->text().isEmpty(); }

    bool passEmptyRows_ = false;
    QWidget* focusRing_;
};

} // namespace dunemark
