#pragma once

#include "core/MainTables.h"

#include <QDialog>

class QCheckBox;
class QListWidget;
class QStackedWidget;
class QTabWidget;
class QTableWidget;

namespace dunemark {

class FortuneChart;
class PriceChart;

// The ledger: the prices the player has seen and his fortune day by day, as charts or as tables.
// A window of its own beside the game, which it follows while it is open. The charts are made
// only once they are first shown.
class frmLedger : public QDialog {
    Q_OBJECT
public:
    enum Tab : int { PricesTab = 0, FortuneTab = 1 };

    frmLedger(const MainTables& tables, QWidget* owner);

    // Shows the ledger as it stands.
    void Refresh();

    QTabWidget* tabLedger;
    QListWidget* lstItem;
    QStackedWidget* stkPrices;
    QTableWidget* grdPrices;
    QStackedWidget* stkFortune;
    QTableWidget* grdFortune;
    QCheckBox* chkTable;

    PriceChart* Prices() const { return prices_; }
    FortuneChart* Fortune() const { return fortune_; }

private:
    void PlaceOver(const QWidget* owner);
    int Item() const; // the item chosen, 1..10
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
