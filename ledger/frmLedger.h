#pragma once

#include "core/MainTables.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QListWidget;
class QStackedWidget;
class QTabWidget;
class QTableWidget;

namespace dunemark {

class FortuneChart;
class LastSeenTable;
class PriceChart;

// The ledger: the last price seen of every good in every town, the prices seen day by day and the
// player's money and worth day by day, as charts or as tables. A window of its own beside the
// game, which it follows while it is open. The charts are made only once they are first shown.
class frmLedger : public QDialog {
    Q_OBJECT
public:
    enum Tab : int { LastSeenTab = 0, PricesTab = 1, FortuneTab = 2 };

    frmLedger(const MainTables& tables, QWidget* owner);

    // Shows the ledger as it stands.
    void Refresh();

    QTabWidget* tabLedger;
    QLabel* lblEmpty; // a word on how the ledger fills, while it holds only the first day
    LastSeenTable* grdLastSeen;
    QListWidget* lstItem;
    QLabel* lblItem;
    QStackedWidget* stkPrices;
    QTableWidget* grdPrices;
    QStackedWidget* stkFortune;
    QTableWidget* grdFortune;
    QLabel* lblGoodsCount;
    QCheckBox* chkTable;

    PriceChart* Prices() const { return prices_; }
    FortuneChart* Fortune() const { return fortune_; }

private:
    int Item() const; // the item chosen, 1..10
    QWidget* CreateLastSeenPage();
    QWidget* CreatePricesPage();
    QWidget* CreateFortunePage();
    void ShowPriceTable(int item);
    void ShowFortuneTable();
    void ShowChart();

    const MainTables& tables_;
    PriceChart* prices_ = nullptr;
    FortuneChart* fortune_ = nullptr;
};

} // namespace dunemark
