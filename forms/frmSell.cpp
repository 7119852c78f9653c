#include "forms/frmSell.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dunemark {

frmSell::frmSell(DeclareVars& vars, int row, double quantityShown, QWidget* parent)
    : QuantityDialog(tr("How many do you wish to sell:"), parent)
    , vars_(vars)
    , row_(row)
    , quantityShown_(quantityShown) {
    connect(txtQuantity, &QLineEdit::textChanged, this, &frmSell::txtQuantity_Change);
    connect(cmdOK, &QPushButton::clicked, this, &frmSell::cmdOK_Click);
    Form_Load();
}

void frmSell::Form_Load() {
    offer_ = OpenSale(vars_, row_, quantityShown_);
    ProposeQuantity(offer_.QuantityHeld);
    TellPrice(offer_.SalePrice);
    lblInfo->setText(tr("You have %n items to sell", nullptr, offer_.QuantityHeld));
}

void frmSell::txtQuantity_Change() {
    KeepQuantityWithin(offer_.QuantityHeld);
}

void frmSell::cmdOK_Click() {
    ApplySale(vars_, row_, Quantity(), offer_);
    accept();
}

} // namespace dunemark
