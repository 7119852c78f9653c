#include "ledger/frmLedger.h"

#include "core/Burial.h"
#include "ledger/FortuneChart.h"
#include "ledger/LastSeenTable.h"
#include "ledger/PriceChart.h"
#include "platform/qt/CentreOver.h"
#include "widgets/Speech.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>

namespace dunemark {

namespace {

constexpr int MinimumColumns = 84; // the window's least width, in average characters
constexpr int MinimumLines = 26;   // and height, in lines

QTableWidget* FigureTable(const QStringList& headers, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false); // Tab leaves the table; the arrows move inside it
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    return table;
}

// Figures stand to the right, as in the market grid; days in the middle; words to the left.
// A screen reader hears a figure or a day with its column's name, "Wailey: 26" or "Day: 3": it
// passes over the empty cells of a row, and with them the place that told whose figure it was.
void SetCell(QTableWidget* table, int row, int column, const QString& text,
             Qt::Alignment place = Qt::AlignRight | Qt::AlignVCenter) {
    QTableWidgetItem* cell = table->item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setTextAlignment(place);
        table->setItem(row, column, cell);
    }
    cell->setText(text);
    if (!text.isEmpty() && !(place & Qt::AlignLeft))
        //: Spoken in a ledger table: a column's name (a town, "Day", "Money"), then its figure.
        cell->setData(
            Qt::AccessibleTextRole,
            frmLedger::tr("%1: %2").arg(table->horizontalHeaderItem(column)->text(), text));
    else
        cell->setData(Qt::AccessibleTextRole, QVariant());
}

void SetDay(QTableWidget* table, int day) {
    SetCell(table, day, 0, QString::number(day), Qt::AlignCenter);
}

void ShowLatestDay(QTableWidget* table) {
    if (table->rowCount() > 0)
        table->scrollToItem(table->item(table->rowCount() - 1, 0));
}

} // namespace

frmLedger::frmLedger(const MainTables& tables, QWidget* owner)
    : QDialog(owner)
    , tables_(tables) {
    setWindowTitle(tr("Ledger"));
    setAttribute(Qt::WA_DeleteOnClose);
    lblEmpty = new QLabel(tr("Each town you travel to writes its prices into this ledger."), this);
    tabLedger = new QTabWidget(this);
    tabLedger->addTab(CreateLastSeenPage(), tr("&Last seen"));
    tabLedger->addTab(CreatePricesPage(), tr("&Prices"));
    tabLedger->addTab(CreateFortunePage(), tr("&Fortune"));
    chkTable = new QCheckBox(tr("Show the figures as a &table"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblEmpty);
    layout->addWidget(tabLedger);
    layout->addWidget(chkTable);
    connect(tabLedger, &QTabWidget::currentChanged, this, &frmLedger::Refresh);
    connect(chkTable, &QCheckBox::toggled, this, &frmLedger::Refresh);
    connect(lstItem, &QListWidget::currentRowChanged, this, &frmLedger::Refresh);

    // Below this the charts' axes would have no room for their figures.
    const QFontMetrics metrics = fontMetrics();
    setMinimumSize(std::max(metrics.averageCharWidth() * MinimumColumns,
                            grdLastSeen->WidthNeeded() + 4 * layout->contentsMargins().left()),
                   metrics.height() * MinimumLines);
    resize(std::max(640, minimumWidth()), std::max(420, minimumHeight()));
    if (owner)
        PlaceBeside(*this, *owner);
    Refresh();
}

QWidget* frmLedger::CreateLastSeenPage() {
    auto* page = new QWidget;
    grdLastSeen = new LastSeenTable(tables_, page);
    auto* key = new QLabel(tr("%1 the lowest and %2 the highest of the prices last seen of a good")
                               .arg(LastSeenTable::LowMark(), LastSeenTable::HighMark()),
                           page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grdLastSeen, 1);
    layout->addWidget(key);
    return page;
}

QWidget* frmLedger::CreatePricesPage() {
    auto* page = new QWidget;
    auto* goods = new QLabel(tr("&Goods:"), page);
    lstItem = new QListWidget(page);
    lstItem->setAccessibleName(tr("Goods"));
    for (const std::string& name : tables_.ItemNames)
        lstItem->addItem(GoodName(name));
    lstItem->setCurrentRow(0);
    lstItem->setFixedWidth(lstItem->sizeHintForColumn(0) + 2 * lstItem->frameWidth() + 8);
    goods->setBuddy(lstItem);

    QStringList headers{tr("Day")};
    for (const std::string& town : tables_.TownNames)
        headers << QString::fromStdString(town);
    grdPrices = FigureTable(headers, page);
    stkPrices = new QStackedWidget(page);
    stkPrices->addWidget(grdPrices);
    lblItem = new QLabel(page);

    auto* list = new QVBoxLayout;
    list->addWidget(goods);
    list->addWidget(lstItem);
    auto* shown = new QVBoxLayout;
    shown->addWidget(lblItem);
    shown->addWidget(stkPrices, 1);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(list);
    layout->addLayout(shown, 1);
    return page;
}

QWidget* frmLedger::CreateFortunePage() {
    auto* page = new QWidget;
    grdFortune = FigureTable({tr("Day"), tr("Money"), tr("Worth"), tr("Burial")}, page);
    grdFortune->setAccessibleName(tr("Money and worth at the end of each day"));
    stkFortune = new QStackedWidget(page);
    stkFortune->addWidget(grdFortune);
    lblGoodsCount =
        new QLabel(tr("Worth counts the goods you carry, but the end of the game counts "
                      "only money: sell your goods before you Finish."),
                   page);
    lblGoodsCount->setWordWrap(true);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(stkFortune, 1);
    layout->addWidget(lblGoodsCount);
    return page;
}

int frmLedger::Item() const {
    return std::clamp(lstItem->currentRow() + 1, 1, ItemCount);
}

void frmLedger::Refresh() {
    lblEmpty->setVisible(tables_.Record.DaysSeen() <= 1);
    chkTable->setEnabled(tabLedger->currentIndex() != LastSeenTab); // a table already
    grdLastSeen->Show();
    ShowPriceTable(Item());
    ShowFortuneTable();
    if (chkTable->isChecked()) {
        stkPrices->setCurrentWidget(grdPrices);
        stkFortune->setCurrentWidget(grdFortune);
        return;
    }
    ShowChart();
}

void frmLedger::ShowChart() {
    // Only the chart in sight is made and drawn; the other waits until its tab is chosen.
    if (tabLedger->currentIndex() == LastSeenTab)
        return;
    if (tabLedger->currentIndex() == PricesTab) {
        if (!prices_) {
            prices_ = new PriceChart(tables_, stkPrices);
            prices_->setAccessibleName(tr("Price chart"));
            stkPrices->addWidget(prices_);
        }
        prices_->Show(Item());
        stkPrices->setCurrentWidget(prices_);
    } else {
        if (!fortune_) {
            fortune_ = new FortuneChart(tables_, stkFortune);
            fortune_->setAccessibleName(tr("Fortune chart"));
            stkFortune->addWidget(fortune_);
        }
        fortune_->Show();
        stkFortune->setCurrentWidget(fortune_);
    }
}

void frmLedger::ShowPriceTable(int item) {
    const Ledger& ledger = tables_.Record;
    const QString name = GoodName(tables_.ItemNames[item - 1]);
    lblItem->setText(tr("Prices of %1 seen day by day").arg(name));
    grdPrices->setAccessibleName(tr("Prices of %1 day by day").arg(name));
    grdPrices->setRowCount(ledger.DaysSeen());
    for (int day = 0; day < ledger.DaysSeen(); ++day) {
        SetDay(grdPrices, day);
        for (int t = 0; t < TownCount; ++t) {
            const auto price = ledger.Price(day, t, item);
            SetCell(grdPrices, day, t + 1, price ? LedgerMoney(*price) : QString());
        }
    }
    ShowLatestDay(grdPrices);
}

void frmLedger::ShowFortuneTable() {
    const Ledger& ledger = tables_.Record;
    grdFortune->setRowCount(ledger.DaysSeen());
    for (int day = 0; day < ledger.DaysSeen(); ++day) {
        const auto fortune = ledger.Fortune(day);
        const auto worth = ledger.Worth(day);
        SetDay(grdFortune, day);
        SetCell(grdFortune, day, 1, fortune ? LedgerMoney(*fortune) : QString());
        SetCell(grdFortune, day, 2, worth ? LedgerMoney(static_cast<double>(*worth)) : QString());
        // The burial that the money alone would earn, as at the end of the game.
        SetCell(grdFortune, day, 3,
                fortune ? Say(BurialShortCaption(BurialRank(*fortune))) : QString(),
                Qt::AlignLeft | Qt::AlignVCenter);
    }
    ShowLatestDay(grdFortune);
}

} // namespace dunemark
