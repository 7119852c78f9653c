#include "forms/frmFinances.h"

#include "PlatformDoubles.h"
#include "forms/frmGetNumber.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace dunemark {
namespace {

frmGetNumber& AsGetNumber(QDialog& dialog) {
    return dynamic_cast<frmGetNumber&>(dialog);
}

// A script for the amount dialog: notes what it proposed, then types `amount` over it (or,
// with nullptr, leaves the proposal) and presses Enter.
ScriptedModalShower::Script Enter(const char* amount, QString* proposed = nullptr) {
    return [=](QDialog& dialog) {
        QLineEdit* box = AsGetNumber(dialog).txtMoney;
        if (proposed)
            *proposed = box->text();
        if (amount) {
            box->selectAll();
            QTest::keyClicks(box, amount);
        }
        QTest::keyClick(box, Qt::Key_Return);
    };
}

// The moves themselves are the rules' business; here, which move each button makes, what the
// amount dialog proposes, and what the window shows afterwards.
class FinancesTest : public ::testing::Test, protected PlatformDoubles {
protected:
    // The three boxes as the window shows them.
    static std::vector<QString> Shown(const frmFinances& form) {
        return {form.txtCash->text(), form.txtBank->text(), form.txtDebt->text()};
    }
    void ExpectMoney(const frmFinances& form, std::int32_t cash, std::int32_t bank,
                     std::int32_t debt) const {
        EXPECT_EQ(vars.Cash, cash);
        EXPECT_EQ(vars.BankBalance, bank);
        EXPECT_EQ(vars.Debt, debt);
        EXPECT_EQ(Shown(form), (std::vector<QString>{QString::number(cash), QString::number(bank),
                                                     QString::number(debt)}));
    }
    std::vector<QWidget*> BankParts(const frmFinances& form) const {
        return {form.Label2, form.txtBank, form.cmdDeposit, form.cmdWithdraw};
    }

    DeclareVars vars; // as a game starts: cash 2000, debt 5000, no bank
};

TEST_F(FinancesTest, AtTheStartPayLoanProposesAllTheCashWithTheBankGreyed) {
    frmFinances form(vars, platform);
    EXPECT_EQ(form.windowTitle(), "Finances");
    EXPECT_EQ(Shown(form), (std::vector<QString>{"2000", "0", "5000"}));
    for (QWidget* bankPart : BankParts(form))
        EXPECT_FALSE(bankPart->isEnabled()) << bankPart->objectName().toStdString();
    EXPECT_TRUE(form.cmdPayLoan->isEnabled());
    EXPECT_TRUE(form.txtCash->isReadOnly());
    EXPECT_TRUE(form.cmdOK->isDefault());

    QString proposed;
    modal.scripts.push_back(Enter(nullptr, &proposed));
    form.cmdPayLoan->click();
    EXPECT_EQ(proposed, "2000");
    ExpectMoney(form, 0, 0, 3000);
}

TEST_F(FinancesTest, PayLoanProposesNoMoreThanTheDebtAndIsIgnoredOncePaidOff) {
    vars.Cash = 9000;
    vars.Debt = 3000;
    frmFinances form(vars, platform);
    QString proposed;
    modal.scripts.push_back(Enter(nullptr, &proposed));
    form.cmdPayLoan->click();
    EXPECT_EQ(proposed, "3000");
    ExpectMoney(form, 6000, 0, 0);

    form.cmdPayLoan->click();
    EXPECT_EQ(modal.shownTitles.size(), 1U); // no second dialog
    EXPECT_TRUE(messages.shown.empty());
    ExpectMoney(form, 6000, 0, 0);
}

TEST_F(FinancesTest, DepositAndWithdrawWithABankShowAtOnce) {
    vars.HasPyramidBank = VbTrue;
    vars.Cash = 1000;
    frmFinances form(vars, platform);
    for (QWidget* bankPart : BankParts(form))
        EXPECT_TRUE(bankPart->isEnabled());

    QString proposed;
    modal.scripts.push_back(Enter("400", &proposed));
    form.cmdDeposit->click();
    EXPECT_EQ(proposed, "1000");
    ExpectMoney(form, 600, 400, 5000);

    modal.scripts.push_back(Enter("150", &proposed));
    form.cmdWithdraw->click();
    EXPECT_EQ(proposed, "400");
    ExpectMoney(form, 750, 250, 5000);
}

TEST_F(FinancesTest, LeavingTheAmountDialogWithoutOkChangesNothing) {
    vars.HasPyramidBank = VbTrue;
    vars.BankBalance = 300;
    const ScriptedModalShower::Script leaves[] = {
        [](QDialog& dialog) {
            QTest::keyClicks(AsGetNumber(dialog).txtMoney, "1");
            AsGetNumber(dialog).cmdCancel->click();
        },
        [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); },
        [](QDialog& dialog) { dialog.close(); },
    };
    frmFinances form(vars, platform);
    for (QPushButton* operation : {form.cmdDeposit, form.cmdWithdraw, form.cmdPayLoan}) {
        for (const auto& leave : leaves) {
            vars.AmountEntered = 1; // what a dialog that does not hand back 0 would leave
            modal.scripts.push_back(leave);
            operation->click();
            ExpectMoney(form, 2000, 300, 5000);
        }
    }
    EXPECT_EQ(modal.shownTitles.size(), 9U);
}

} // namespace
} // namespace dunemark
