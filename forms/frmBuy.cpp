#include "forms/frmBuy.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dunemark {

frmBuy::frmBuy(DeclareVars& vars, int row, QWidget* parent)
    : QuantityDialog(tr("How many do you wish to buy:"), parent)
    , vars_(vars)
    , row_(row) {
    connect(txtQuantity, &QLineEdit::textChanged, this, &frmBuy::txtQuantity_Change);
    connect(cmdOK, &QPushButton::clicked, this, &frmBuy::cmdOK_Click);
    Form_Load();
}

void frmBuy::Form_Load() {
    offer_ = OpenPurchase(vars_, row_);
    ProposeQuantity(offer_.Limit());
    TellPrice(offer_.UnitPrice);
    lblInfo->setText(
        tr("You can afford %1 and have space for %n more items", nullptr, offer_.SpaceLeft)
            .arg(offer_.CanAfford));
}

void frmBuy::txtQuantity_Change() {
    KeepQuantityWithin(offer_.Limit());
}

void frmBuy::cmdOK_Click() {
    ApplyPurchase(vars_, row_, Quantity(), offer_);
    accept();
}

} // namespace dunemark
