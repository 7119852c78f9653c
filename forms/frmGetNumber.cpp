#include "forms/frmGetNumber.h"

#include "core/NumberText.h"
#include "core/Saturate.h"
#include "widgets/Look.h"
#include "widgets/NumberBox.h"
#include "widgets/NumberEdit.h"
#include "widgets/SvgPicture.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace dunemark {

frmGetNumber::frmGetNumber(DeclareVars& vars, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , Label1(new QLabel(tr("How much:"), this))
    , txtMoney(new NumberEdit(this))
    , cmdOK(new QPushButton(tr("OK"), this))
    , cmdCancel(new QPushButton(tr("Cancel"), this))
    , Image1(new SvgPicture(QStringLiteral(":/assets/amount_deco.svg"), this))
    , vars_(vars) {
    setWindowTitle(tr("Financial situation"));
    setFont(SansSerif());
    setFixedSize(250, 96);
    Label1->setGeometry(12, 16, 60, 21);
    txtMoney->setGeometry(76, 16, 162, 21);
    Label1->setBuddy(txtMoney); // names the box for a screen reader
    Image1->setGeometry(12, 56, 70, 30);
    cmdOK->setGeometry(98, 58, 66, 25);
    cmdCancel->setGeometry(172, 58, 66, 25);
    cmdOK->setDefault(true);

    connect(txtMoney, &QLineEdit::textChanged, this, &frmGetNumber::txtMoney_Change);
    connect(cmdOK, &QPushButton::clicked, this, &frmGetNumber::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmGetNumber::cmdCancel_Click);
    Form_Load();
}

void frmGetNumber::Form_Load() {
    txtMoney->setText(Plain(vars_.AmountLimit));
    txtMoney->setFocus();
}

void frmGetNumber::setVisible(bool visible) {
    QDialog::setVisible(visible);
    // Showing a dialog hands the focus to the box as if tabbed to, which selects its text; the
    // amount is proposed, not selected.
    if (visible)
        txtMoney->deselect();
}

void frmGetNumber::txtMoney_Change() {
    const std::string text = txtMoney->text().toStdString();
    RewriteNumberBox(txtMoney, QString::fromStdString(
                                   NumberBoxText(text, vars_.AmountLimit, LimitCheck::Exact)));
}

void frmGetNumber::cmdOK_Click() {
    vars_.AmountEntered = SaturateInt32(std::floor(LeadingNumber(txtMoney->text().toStdString())));
    accept();
}

void frmGetNumber::cmdCancel_Click() {
    vars_.AmountEntered = 0;
    reject();
}

void frmGetNumber::keyPressEvent(QKeyEvent* event) {
    // Escape is Cancel; only the close box leaves the caller's amount alone.
    if (event->matches(QKeySequence::Cancel)) {
        cmdCancel_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace dunemark
