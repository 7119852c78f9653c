#include "forms/frmFinances.h"

#include "core/Finances.h"
#include "forms/frmGetNumber.h"
#include "screenreader/SpokenNews.h"
#include "widgets/Look.h"
#include "widgets/NumberEdit.h"
#include "widgets/SvgPicture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

namespace dunemark {

namespace {

// One row of the frame: caption, read-only box and button, at the given height.
void PlaceRow(QLabel* label, QLineEdit* box, QPushButton* button, int top) {
    label->setGeometry(12, top + 3, 54, 17);
    label->setBuddy(box); // names the box for a screen reader
    box->setGeometry(68, top, 98, 23);
    box->setReadOnly(true);
    button->setGeometry(176, top, 88, 23);
}

} // namespace

frmFinances::frmFinances(DeclareVars& vars, Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , Frame1(new QGroupBox(this))
    , Label1(new QLabel(tr("Cash:"), Frame1))
    , Label2(new QLabel(tr("Bank:"), Frame1))
    , Label3(new QLabel(tr("Debt:"), Frame1))
    , txtCash(new NumberEdit(Frame1))
    , txtBank(new NumberEdit(Frame1))
    , txtDebt(new NumberEdit(Frame1))
    , cmdDeposit(new QPushButton(tr("Deposit"), Frame1))
    , cmdWithdraw(new QPushButton(tr("Withdraw"), Frame1))
    , cmdPayLoan(new QPushButton(tr("Pay Loan"), Frame1))
    , cmdOK(new QPushButton(tr("OK"), this))
    , Image2(new SvgPicture(QStringLiteral(":/assets/finances_deco.svg"), this))
    , vars_(vars)
    , platform_(platform)
    , news_(new SpokenNews(this)) {
    setWindowTitle(tr("Finances"));
    setFont(SansSerif());
    setFixedSize(292, 170);
    Frame1->setGeometry(8, 4, 276, 114);
    PlaceRow(Label1, txtCash, cmdDeposit, 16);
    PlaceRow(Label2, txtBank, cmdWithdraw, 48);
    PlaceRow(Label3, txtDebt, cmdPayLoan, 80);
    Image2->setGeometry(12, 127, 66, 35);
    cmdOK->setGeometry(196, 132, 88, 27);
    cmdOK->setDefault(true);
    cmdOK->setFocus();

    connect(cmdDeposit, &QPushButton::clicked, this, &frmFinances::cmdDeposit_Click);
    connect(cmdWithdraw, &QPushButton::clicked, this, &frmFinances::cmdWithdraw_Click);
    connect(cmdPayLoan, &QPushButton::clicked, this, &frmFinances::cmdPayLoan_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmFinances::cmdOK_Click);
    Form_Load();
}

void frmFinances::Form_Load() {
    txtCash->setText(Plain(vars_.Cash));
    txtBank->setText(Plain(vars_.BankBalance));
    txtDebt->setText(Plain(vars_.Debt));
    const bool hasBank = vars_.HasPyramidBank == VbTrue;
    const std::array<QWidget*, 4> bankParts{Label2, txtBank, cmdDeposit, cmdWithdraw};
    for (QWidget* part : bankParts)
        part->setEnabled(hasBank);
}

void frmFinances::cmdDeposit_Click() {
    const std::int32_t cash = vars_.Cash;
    Deposit(vars_, AskAmount(vars_.Cash, tr("How much do you deposit? At most %1.")));
    Form_Load();
    if (vars_.Cash != cash)
        TellDone(tr("Deposited %1.").arg(SpokenMoney(cash - vars_.Cash)));
}

void frmFinances::cmdWithdraw_Click() {
    const std::int32_t cash = vars_.Cash;
    Withdraw(vars_, AskAmount(vars_.BankBalance, tr("How much do you withdraw? At most %1.")));
    Form_Load();
    if (vars_.Cash != cash)
        TellDone(tr("Withdrew %1.").arg(SpokenMoney(vars_.Cash - cash)));
}

void frmFinances::cmdPayLoan_Click() {
    if (vars_.Debt == 0)
        return;
    const std::int32_t cash = vars_.Cash;
    PayLoan(vars_, AskAmount(PayLoanLimit(vars_.Cash, vars_.Debt),
                             tr("How much of the loan do you pay back? At most %1.")));
    Form_Load();
    if (vars_.Cash != cash)
        TellDone(tr("Paid %1 of the loan.").arg(SpokenMoney(cash - vars_.Cash)));
}

void frmFinances::TellDone(const QString& done) {
    news_->Tell(done + QLatin1Char(' ') + MoneyHeld(vars_));
}

void frmFinances::cmdOK_Click() {
    accept();
}

std::int32_t frmFinances::AskAmount(std::int32_t limit, const QString& question) {
    vars_.AmountLimit = limit;
    vars_.AmountEntered = 0;
    frmGetNumber dialog(vars_, this);
    // A screen reader tells what the amount is for and the most it can be. Orca names a box by
    // the label that names it before its own name: the caption no longer names it.
    dialog.txtMoney->setAccessibleName(question.arg(SpokenMoney(limit)));
    dialog.Label1->setBuddy(nullptr);
    platform_.modal.ShowModal(dialog);
    return vars_.AmountEntered;
}

} // namespace dunemark
