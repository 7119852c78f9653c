// What a screen reader finds in each window: every control named and of the right kind.
#include "MainWindowFixture.h"
#include "core/SpecialProducts.h"
#include "forms/SvgPicture.h"
#include "forms/frmAbout.h"
#include "forms/frmBuy.h"
#include "forms/frmFinances.h"
#include "forms/frmGetNumber.h"
#include "forms/frmHighScores.h"
#include "forms/frmShowEndTomb.h"
#include "forms/frmSpecial.h"

#include <QAccessible>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace dunemark {
namespace {

struct Expected {
    const char* control;
    QWidget* widget;
    QAccessible::Role role;
    QString name;
};

QAccessibleInterface* Accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

void ExpectNamed(const std::vector<Expected>& table) {
    for (const Expected& row : table) {
        SCOPED_TRACE(row.control);
        QAccessibleInterface* control = Accessible(row.widget);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->role(), row.role);
        EXPECT_EQ(control->text(QAccessible::Name), row.name);
    }
}

// The header texts a screen reader gives for the columns of a grid, read through its first row.
QStringList ColumnHeaders(QWidget* grid) {
    QAccessibleTableInterface* table = Accessible(grid)->tableInterface();
    QStringList headers;
    for (int c = 0; c < table->columnCount(); ++c) {
        const auto cells = table->cellAt(0, c)->tableCellInterface()->columnHeaderCells();
        headers << (cells.isEmpty() ? QString() : cells.front()->text(QAccessible::Name));
    }
    return headers;
}

class AccessibilityTest : public MainWindowFixture {};

TEST_F(AccessibilityTest, MainWindowControlsTellWhatTheyAre) {
    const frmMain& w = *window;
    ExpectNamed({
        {"lblTown(0)", w.lblTown[0], QAccessible::Button, "Origon"},
        {"lblTown(1)", w.lblTown[1], QAccessible::Button, "Wailey"},
        {"lblTown(2)", w.lblTown[2], QAccessible::Button, "Foxton"},
        {"lblCash", w.lblCash, QAccessible::StaticText, "Cash: 2,000"},
        {"lblBank (0 shows as nothing)", w.lblBank, QAccessible::StaticText, "Bank: 0"},
        {"lblDebt", w.lblDebt, QAccessible::StaticText, "Debt: 5,000"},
        {"lblFavour", w.lblFavour, QAccessible::StaticText, "Favour = 0%"},
        {"lblJacketSpace", w.lblJacketSpace, QAccessible::StaticText, "Slaves: 100/100"},
        {"cmdSpecial", w.cmdSpecial, QAccessible::Button, "Special products"},
        {"cmdBuy", w.cmdBuy, QAccessible::Button, "Buy"},
        {"cmdSell", w.cmdSell, QAccessible::Button, "Sell"},
        {"cmdFinances", w.cmdFinances, QAccessible::Button, "Finances"},
        {"cmdFinish", w.cmdFinish, QAccessible::Button, "Finish"},
        {"Grid1", w.Grid1, QAccessible::Table, "Items you can buy"},
        {"Grid2", w.Grid2, QAccessible::Table, "Items you have bought"},
    });
    EXPECT_EQ(Accessible(w.Picture1)->text(QAccessible::Name), "Map");
    EXPECT_EQ(ColumnHeaders(w.Grid1), (QStringList{"Item", "Price"}));
    EXPECT_EQ(ColumnHeaders(w.Grid2), (QStringList{"Item", "Price", "Qty"}));
    EXPECT_EQ(Accessible(w.Grid1)->tableInterface()->cellAt(3, 0)->text(QAccessible::Name),
              "Water");
}

TEST_F(AccessibilityTest, TownsArePressableButtonsThatTellTheirShortcuts) {
    for (int i = 0; i < TownCount; ++i) {
        SCOPED_TRACE(i);
        QAccessibleInterface* town = Accessible(window->lblTown[i]);
        const QString key = QStringLiteral("Ctrl+%1").arg(i + 1);
        EXPECT_EQ(town->text(QAccessible::Description),
                  QStringLiteral("Travel to %1 (%2)").arg(window->lblTown[i]->text(), key));
        EXPECT_TRUE(town->state().focusable);
        QAccessibleActionInterface* actions = town->actionInterface();
        ASSERT_NE(actions, nullptr);
        const QString press = QAccessibleActionInterface::pressAction();
        EXPECT_TRUE(actions->actionNames().contains(press));
        EXPECT_EQ(actions->keyBindingsForAction(press), QStringList{key});
    }
    // A screen reader pressing the button travels as a click does.
    Accessible(window->lblTown[2])
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([this] { return vars.CurrentTown == 2; }, 1000));
    EXPECT_EQ(window->Tables().CurrentDay, 1);
}

TEST_F(AccessibilityTest, MoneyIsReadOutAsItChanges) {
    struct Case {
        std::int32_t cash, bank, debt;
        QString cashName, bankName, debtName;
    };
    const Case cases[] = {
        {0, 0, 0, "Cash: 0", "Bank: 0", "Debt: 0"},
        {1234567, 89, 5500, "Cash: 1,234,567", "Bank: 89", "Debt: 5,500"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cashName.toStdString());
        vars.Cash = c.cash;
        vars.BankBalance = c.bank;
        vars.Debt = c.debt;
        window->ShowStatus();
        EXPECT_EQ(Accessible(window->lblCash)->text(QAccessible::Name), c.cashName);
        EXPECT_EQ(Accessible(window->lblBank)->text(QAccessible::Name), c.bankName);
        EXPECT_EQ(Accessible(window->lblDebt)->text(QAccessible::Name), c.debtName);
    }
}

TEST_F(AccessibilityTest, DialogControlsTellWhatTheyAre) {
    vars.Cash = 2500;
    frmBuy buy(vars, 3);
    frmFinances finances(vars, doubles.platform);
    frmGetNumber amount(vars);
    frmSpecial special(vars, doubles.platform, nullptr, nullptr);
    special.cmdButton_Click(GiftTab);
    frmHighScores scores(vars, doubles.platform);
    frmShowEndTomb tomb(vars);
    frmAbout about(doubles.links);
    ExpectNamed({
        {"buy: txtQuantity", buy.txtQuantity, QAccessible::EditableText,
         "How many do you wish to buy:"},
        {"buy: cmdOK", buy.cmdOK, QAccessible::Button, "OK"},
        {"buy: cmdCancel", buy.cmdCancel, QAccessible::Button, "Cancel"},
        {"finances: txtCash", finances.txtCash, QAccessible::EditableText, "Cash:"},
        {"finances: txtBank", finances.txtBank, QAccessible::EditableText, "Bank:"},
        {"finances: txtDebt", finances.txtDebt, QAccessible::EditableText, "Debt:"},
        {"finances: cmdPayLoan", finances.cmdPayLoan, QAccessible::Button, "Pay Loan"},
        {"amount: txtMoney", amount.txtMoney, QAccessible::EditableText, "How much:"},
        {"special: cmdButton(2)", special.cmdButton[2], QAccessible::Button,
         "Give gift to Pharoah"},
        {"special: picGift", special.picGift, QAccessible::Client, "Give gift to Pharoah"},
        {"special: picSlaves", special.picSlaves, QAccessible::Client, "Buy more slaves"},
        {"special: OptGift(0)", special.OptGift[0], QAccessible::RadioButton,
         special.OptGift[0]->text().replace("&&", "&")},
        {"special: lblCost", special.lblCost, QAccessible::StaticText,
         "Cost: " + special.lblCost->text()},
        {"special: lblFav", special.lblFav, QAccessible::StaticText,
         "Favour will increase by: " + special.lblFav->text()},
        {"special: lblCash", special.lblCash, QAccessible::StaticText, "Your cash: 2,500"},
        {"special: txtSlaves", special.txtSlaves, QAccessible::EditableText, "You currently have:"},
        {"special: txtPyramidCost", special.txtPyramidCost, QAccessible::EditableText, "Cost:"},
        {"scores: cmdHideScores", scores.cmdHideScores, QAccessible::Button, "Close"},
        {"tomb: lblCaption", tomb.lblCaption, QAccessible::StaticText,
         "You were just tossed into the desert"},
        {"tomb: picTomb", tomb.picTomb, QAccessible::StaticText, "Your burial place"},
        {"about: lblWeb", about.lblWeb, QAccessible::StaticText, about.lblWeb->text()},
    });
    EXPECT_EQ(Accessible(about.lblWeb)->text(QAccessible::Description), "Opens the web page");
    EXPECT_TRUE(Accessible(about.lblEmail)->state().focusable);
}

} // namespace
} // namespace dunemark
