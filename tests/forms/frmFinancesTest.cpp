#include "forms/frmFinances.h"

#include "PlatformDoubles.h"
#include "forms/SvgPicture.h"
#include "forms/frmGetNumber.h"

#include <QGroupBox>
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

// A script for the amount dialog: notes what it proposed, then types `amount` over it and
// presses OK.
ScriptedModalShower::Script Enter(const char* amount, QString* proposed = nullptr) {
    return [=](QDialog& dialog) {
        frmGetNumber& form = AsGetNumber(dialog);
        if (proposed)
            *proposed = form.txtMoney->text();
        form.txtMoney->selectAll();
        QTest::keyClicks(form.txtMoney, amount);
        form.cmdOK->click();
    };
}

// A script for the amount dialog that presses OK on what it proposed.
ScriptedModalShower::Script Accept(QString* proposed) {
    return [=](QDialog& dialog) {
        frmGetNumber& form = AsGetNumber(dialog);
        *proposed = form.txtMoney->text();
        QTest::keyClick(form.txtMoney, Qt::Key_Return);
    };
}

class FinancesTest : public ::testing::Test, protected PlatformDoubles {
protected:
    // The three boxes as the window shows them.
    static std::vector<QString> Shown(const frmFinances& form) {
        return {form.txtCash->text(), form.txtBank->text(), form.txtDebt->text()};
    }

    void ExpectMoney(std::int32_t cash, std::int32_t bank, std::int32_t debt) const {
        EXPECT_EQ(vars.Cash, cash);
        EXPECT_EQ(vars.BankBalance, bank);
        EXPECT_EQ(vars.Debt, debt);
    }

    DeclareVars vars; // as a game starts: cash 2000, debt 5000, no bank
};

TEST_F(FinancesTest, AtTheStartShowsTheMoneyWithTheBankGreyed) {
    frmFinances form(vars, platform);
    EXPECT_EQ(form.windowTitle(), "Finances");
    EXPECT_EQ(Shown(form), (std::vector<QString>{"2000", "0", "5000"}));
    for (QWidget* bankPart : std::initializer_list<QWidget*>{form.Label2, form.txtBank,
                                                             form.cmdDeposit, form.cmdWithdraw})
        EXPECT_FALSE(bankPart->isEnabled()) << bankPart->objectName().toStdString();
    for (QWidget* other : std::initializer_list<QWidget*>{
             form.Label1, form.Label3, form.txtCash, form.txtDebt, form.cmdPayLoan, form.cmdOK})
        EXPECT_TRUE(other->isEnabled());
    EXPECT_TRUE(form.txtCash->isReadOnly());
    EXPECT_TRUE(form.cmdOK->isDefault());
    EXPECT_EQ(form.Image2->ResourcePath(), ":/assets/finances_deco.svg");
    EXPECT_EQ(form.Image2->size(), QSize(66, 35));
}

TEST_F(FinancesTest, PayLoanAtTheStartProposesAllTheCash) {
    frmFinances form(vars, platform);
    QString proposed;
    modal.scripts.push_back(Accept(&proposed));
    form.cmdPayLoan->click();
    EXPECT_EQ(proposed, "2000");
    ExpectMoney(0, 0, 3000);
    EXPECT_EQ(Shown(form), (std::vector<QString>{"0", "0", "3000"}));
}

TEST_F(FinancesTest, PayLoanProposesNoMoreThanTheDebtAndIsIgnoredOncePaidOff) {
    vars.Cash = 9000;
    vars.Debt = 3000;
    frmFinances form(vars, platform);
    QString proposed;
    modal.scripts.push_back(Accept(&proposed));
    form.cmdPayLoan->click();
    EXPECT_EQ(proposed, "3000");
    ExpectMoney(6000, 0, 0);
    EXPECT_EQ(Shown(form), (std::vector<QString>{"6000", "0", "0"}));

    modal.scripts.push_back(Enter("1"));
    form.cmdPayLoan->click();
    EXPECT_EQ(modal.shownTitles.size(), 1U); // no second dialog
    EXPECT_EQ(modal.scripts.size(), 1U);
    EXPECT_TRUE(messages.shown.empty());
    ExpectMoney(6000, 0, 0);
}

TEST_F(FinancesTest, DepositAndWithdrawWithABankShowAtOnce) {
    vars.HasPyramidBank = VbTrue;
    vars.Cash = 1000;
    frmFinances form(vars, platform);
    for (QWidget* bankPart : std::initializer_list<QWidget*>{form.Label2, form.txtBank,
                                                             form.cmdDeposit, form.cmdWithdraw})
        EXPECT_TRUE(bankPart->isEnabled());

    QString proposed;
    modal.scripts.push_back(Enter("400", &proposed));
    form.cmdDeposit->click();
    EXPECT_EQ(proposed, "1000");
    ExpectMoney(600, 400, 5000);
    EXPECT_EQ(Shown(form), (std::vector<QString>{"600", "400", "5000"}));

    modal.scripts.push_back(Enter("150", &proposed));
    form.cmdWithdraw->click();
    EXPECT_EQ(proposed, "400");
    ExpectMoney(750, 250, 5000);
    EXPECT_EQ(Shown(form), (std::vector<QString>{"750", "250", "5000"}));
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
            ExpectMoney(2000, 300, 5000);
            EXPECT_EQ(Shown(form), (std::vector<QString>{"2000", "300", "5000"}));
        }
    }
    EXPECT_EQ(modal.shownTitles.size(), 9U);
}

TEST_F(FinancesTest, OpensAndClosesThroughTheModalSeamWithTheAmountDialogInside) {
    vars.Cash = 800;
    modal.scripts.push_back([](QDialog& dialog) {
        auto& form = dynamic_cast<frmFinances&>(dialog);
        form.cmdPayLoan->click(); // runs the next script on the amount dialog
        form.cmdOK->click();
        EXPECT_FALSE(form.isVisible());
    });
    modal.scripts.push_back(Enter("250"));
    {
        frmFinances form(vars, platform);
        EXPECT_EQ(modal.ShowModal(form), QDialog::Accepted);
    }
    EXPECT_EQ(modal.shownTitles, (std::vector<QString>{"Finances", "Financial situation"}));
    ExpectMoney(550, 0, 4750);
}

} // namespace
} // namespace dunemark
