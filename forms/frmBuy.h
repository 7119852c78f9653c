#pragma once

#include "core/DeclareVars.h"
#include "core/Trade.h"
#include "forms/QuantityDialog.h"

namespace dunemark {

// How many of the item in the selected market row to buy. The opener sets the caption
// ("Buy - " and the item's name) and shows it modally.
class frmBuy : public QuantityDialog {
    Q_OBJECT
public:
    // `row` is the selected market row, 1..10.
    frmBuy(DeclareVars& vars, int row, QWidget* parent = nullptr);

    void Form_Load();
    void txtQuantity_Change();
    void cmdOK_Click();

private:
    DeclareVars& vars_;
    int row_;
    PurchaseOffer offer_; // UnitPrice, CanAfford and SpaceLeft, worked out once on loading
};

} // namespace dunemark
