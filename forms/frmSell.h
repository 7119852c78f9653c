#pragma once

#include "core/DeclareVars.h"
#include "core/Trade.h"
#include "forms/QuantityDialog.h"

namespace dunemark {

// How many of the item in the selected holdings row to sell. The opener sets the caption
// ("Sell - " and the item's name) and shows it modally.
class frmSell : public QuantityDialog {
    Q_OBJECT
public:
    // `row` is the selected holdings row, 1..10; `quantityShown` the quantity the holdings grid
    // shows in that row.
    frmSell(DeclareVars& vars, int row, double quantityShown, QWidget* parent = nullptr);

    void Form_Load();
    void txtQuantity_Change();
    void cmdOK_Click();

private:
    DeclareVars& vars_;
    int row_;
    double quantityShown_;
    SaleOffer offer_; // SalePrice and QuantityHeld, worked out once on loading
};

} // namespace dunemark
