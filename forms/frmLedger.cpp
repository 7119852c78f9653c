#include "forms/frmLedger.h"

#include "core/Burial.h"
#include "forms/FortuneChart.h"
#include "forms/PriceChart.h"
#include "forms/Speech.h"

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

QTableWidget* FigureTable(const QStringList& headers, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return table;
}

// Figures stand to the right, as in the market grid; days in the middle.
void SetCell(QTableWidget* table, int row, int column, const QString& text,
             Qt::Alignment place = Qt::AlignRight | Qt::AlignVCenter) {
    QTableWidgetItem* cell = table->item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setTextAlignment(place);
        table->setItem(row, column, cell);
    }
    cell->setText(text);
}

void SetDay(QTableWidget* table, int day) {
    SetCell(table, day, 0, QString::number(day), Qt::AlignCenter);
}

} // namespace

frmLedger::frmLedger(const MainTables& tables, QWidget* owner)
    : QDialog(owner)
    , tables_(tables) {
    setWindowTitle(tr("Ledger"));
    setAttribute(Qt::WA_DeleteOnClose);
    tabLedger = new QTabWidget(this);
    tabLedger->addTab(CreatePricesPage(), tr("&Prices"));
    tabLedger->addTab(CreateFortunePage(), tr("&Fortune"));
    chkTable = new QCheckBox(tr("Show the figures as a &table"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabLedger);
    layout->addWidget(chkTable);
    connect(tabLedger, &QTabWidget::currentChanged, this, &frmLedger::Refresh);
    connect(chkTable, &QCheckBox::toggled, this, &frmLedger::Refresh);
    connect(lstItem, &QListWidget::currentRowChanged, this, &frmLedger::Refresh);

    resize(640, 420);
    PlaceOver(owner);
    Refresh();
}

void frmLedger::PlaceOver(const QWidget* owner) {
    if (!owner)
        return;
    // Centred over the game, but never beyond the edges of its screen.
    QRect place(QPoint(), frameGeometry().size());
    place.moveCenter(owner->frameGeometry().center());
    if (const QScreen* screen = owner->screen()) {
        const QRect room = screen->availableGeometry();
        const QPoint last =
            room.bottomRight() + QPoint(1, 1) - QPoint(place.width(), place.height());
        place.moveTo(std::max(room.left(), std::min(place.left(), last.x())),
                     std::max(room.top(), std::min(place.top(), last.y())));
    }
    move(place.topLeft());
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

    auto* list = new QVBoxLayout;
    list->addWidget(goods);
    list->addWidget(lstItem);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(list);
    layout->addWidget(stkPrices, 1);
    return page;
}

QWidget* frmLedger::CreateFortunePage() {
    auto* page = new QWidget;
    grdFortune = FigureTable({tr("Day"), tr("Fortune"), tr("Burial")}, page);
    grdFortune->setAccessibleName(tr("Fortune at the end of each day"));
    stkFortune = new QStackedWidget(page);
    stkFortune->addWidget(grdFortune);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(stkFortune);
    return page;
}

int frmLedger::Item() const {
    return std::clamp(lstItem->currentRow() + 1, 1, ItemCount);
}

void frmLedger::Refresh() {
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
    grdPrices->setAccessibleName(
        tr("Prices of %1 day by day").arg(GoodName(tables_.ItemNames[item - 1])));
    grdPrices->setRowCount(ledger.DaysSeen());
    for (int day = 0; day < ledger.DaysSeen(); ++day) {
        SetDay(grdPrices, day);
        for (int t = 0; t < TownCount; ++t) {
            const auto price = ledger.Price(day, t, item);
            SetCell(grdPrices, day, t + 1, price ? LedgerMoney(*price) : QString());
        }
    }
}

void frmLedger::ShowFortuneTable() {
    const Ledger& ledger = tables_.Record;
    grdFortune->setRowCount(ledger.DaysSeen());
    for (int day = 0; day < ledger.DaysSeen(); ++day) {
        const auto fortune = ledger.Fortune(day);
        SetDay(grdFortune, day);
        SetCell(grdFortune, day, 1, fortune ? LedgerMoney(*fortune) : QString());
        SetCell(grdFortune, day, 2,
                fortune ? Say(BurialShortCaption(BurialRank(*fortune))) : QString(),
                Qt::AlignLeft | Qt::AlignVCenter);
    }
}

} // namespace dunemark
