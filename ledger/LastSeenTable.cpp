#include "ledger/LastSeenTable.h"

#include "ledger/LedgerChart.h"
#include "widgets/Speech.h"

#include <QHeaderView>
#include <algorithm>
#include <array>
#include <limits>
#include <optional>

namespace dunemark {

LastSeenTable::LastSeenTable(const MainTables& tables, QWidget* parent)
    : QTableWidget(ItemCount, TownCount + 1, parent)
    , tables_(tables) {
    QStringList headers{tr("Goods")};
    for (const std::string& town : tables.TownNames)
        headers << QString::fromStdString(town);
    setHorizontalHeaderLabels(headers);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false); // Tab leaves the table; the arrows move inside it
    setAccessibleName(tr("Last price seen of each good in each town"));
    for (int r = 0; r < ItemCount; ++r)
        for (int c = 0; c <= TownCount; ++c) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            setItem(r, c, cell);
        }
}

QString LastSeenTable::LowMark() {
    return QStringLiteral("\u25BC"); // a triangle pointing down
}

QString LastSeenTable::HighMark() {
    return QStringLiteral("\u25B2"); // a triangle pointing up
}

int LastSeenTable::WidthNeeded() const {
    constexpr double Widest = 9999999; // the dearest statue at the highest prices, and then some
    constexpr int CellPad = 12;
    QFont bold = font();
    bold.setBold(true);
    const QString cell = HighMark() + ' ' + tr("%1 (day %2)").arg(LedgerMoney(Widest)).arg(45);
    int width = horizontalHeader()->sectionSizeHint(0) + 2 * frameWidth() + CellPad;
    for (const std::string& name : tables_.ItemNames)
        width = std::max(width, fontMetrics().horizontalAdvance(GoodName(name)) + 2 * frameWidth() +
                                    CellPad);
    return width + TownCount * (QFontMetrics(bold).horizontalAdvance(cell) + CellPad);
}

void LastSeenTable::Show() {
    for (int good = 1; good <= ItemCount; ++good)
        ShowRow(good);
}

void LastSeenTable::ShowRow(int good) {
    const int row = good - 1;
    item(row, 0)->setText(GoodName(tables_.ItemNames[row]));
    std::array<std::optional<Ledger::Sighting>, TownCount> seen;
    auto low = std::numeric_limits<std::int32_t>::max();
    auto high = std::numeric_limits<std::int32_t>::min();
    for (int t = 0; t < TownCount; ++t) {
        seen[t] = tables_.Record.LastSeen(t, good);
        if (seen[t]) {
            low = std::min(low, seen[t]->price);
            high = std::max(high, seen[t]->price);
        }
    }
    for (int t = 0; t < TownCount; ++t) {
        QTableWidgetItem* cell = item(row, t + 1);
        QString text;
        QString spoken;
        // Marks only where there is a difference to mark.
        const bool lowest = seen[t] && low < high && seen[t]->price == low;
        const bool highest = seen[t] && low < high && seen[t]->price == high;
        if (seen[t]) {
            text = tr("%1 (day %2)").arg(LedgerMoney(seen[t]->price)).arg(seen[t]->day);
            spoken = text;
        }
        if (lowest) {
            spoken = tr("%1, the lowest").arg(text);
            text = LowMark() + ' ' + text;
        } else if (highest) {
            spoken = tr("%1, the highest").arg(text);
            text = HighMark() + ' ' + text;
        }
        cell->setText(text);
        cell->setData(Qt::AccessibleTextRole, spoken);
        QFont font = cell->font();
        font.setBold(lowest || highest);
        cell->setFont(font);
    }
}

} // namespace dunemark
