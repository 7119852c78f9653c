// What a screen reader finds in each window: every control named and of the right kind.
#include "MainWindowFixture.h"
#include "core/SpecialProducts.h"
#include "forms/frmAbout.h"
#include "forms/frmBuy.h"
#include "forms/frmFinances.h"
#include "forms/frmGetNumber.h"
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

TEST_F(AccessibilityTest, MainWindowControlsTellWhatTheyAreAndTheMoneyAsItChanges) {
    const frmMain& w = *window;
    ExpectNamed({
        {"lblTown(0)", w.lblTown[0], QAccessible::Button, "Origon"},
        {"lblBank (0 shows as nothing)", w.lblBank, QAccessible::StaticText, "Bank: 0"},
        {"cmdBuy", w.cmdBuy, QAccessible::Button, "Buy"},
        {"Grid1", w.Grid1, QAccessible::Table, "Items you can buy"},
        {"Grid2", w.Grid2, QAccessible::Table, "Items you have bought"},
    });
    EXPECT_EQ(ColumnHeaders(w.Grid1), (QStringList{"Item", "Price"}));
    EXPECT_EQ(ColumnHeaders(w.Grid2), (QStringList{"Item", "Price", "Qty"}));
    EXPECT_EQ(Accessible(w.Grid1)->tableInterface()->cellAt(3, 0)->text(QAccessible::Name),
              "Water");

    vars.Cash = 0;
    vars.BankBalance = 89;
    vars.Debt = 1234567;
    window->ShowStatus();
    EXPECT_EQ(Accessible(window->lblCash)->text(QAccessible::Name), "Cash: 0");
    EXPECT_EQ(Accessible(window->lblBank)->text(QAccessible::Name), "Bank: 89");
    EXPECT_EQ(Accessible(window->lblDebt)->text(QAccessible::Name), "Debt: 1,234,567");
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
        EXPECT_EQ(actions->keyBindingsForAction(press), QStringList{key});
    }
    // A screen reader pressing the button travels as a click does.
    Accessible(window->lblTown[2])
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([this] { return vars.CurrentTown == 2; }, 1000));
    EXPECT_EQ(window->Tables().CurrentDay, 1);
}

TEST_F(AccessibilityTest, DialogControlsTellWhatTheyAre) {
    vars.Cash = 2500;
    frmBuy buy(vars, 3);
    frmFinances finances(vars, doubles.platform);
    frmGetNumber amount(vars);
    frmSpecial special(vars, doubles.platform, nullptr, nullptr);
    special.cmdButton_Click(GiftTab);
    frmShowEndTomb tomb(vars);
    frmAbout about(doubles.links);
    ExpectNamed({
        {"buy: txtQuantity", buy.txtQuantity, QAccessible::EditableText,
         "How many do you wish to buy:"},
        {"finances: txtBank", finances.txtBank, QAccessible::EditableText, "Bank:"},
        {"amount: txtMoney", amount.txtMoney, QAccessible::EditableText, "How much:"},
        {"special: OptGift(4)", special.OptGift[4], QAccessible::RadioButton, "Food & water"},
        {"special: lblFav", special.lblFav, QAccessible::StaticText, "Favour will increase by: 2%"},
        {"special: lblCash", special.lblCash, QAccessible::StaticText, "Your cash: 2,500"},
        {"special: txtSlaves", special.txtSlaves, QAccessible::EditableText, "You currently have:"},
        {"tomb: picTomb", tomb.picTomb, QAccessible::StaticText, "Your burial place"},
        {"about: lblWeb", about.lblWeb, QAccessible::StaticText, about.lblWeb->text()},
    });
    EXPECT_EQ(Accessible(about.lblWeb)->text(QAccessible::Description), "Opens the web page");
    EXPECT_TRUE(Accessible(about.lblEmail)->state().focusable);
}

} // namespace
} // namespace dunemark
