// Playing without the mouse, and what a screen reader finds.
#include "Doubles.h"

namespace dunemark {
namespace {

// Keys typed as the player does: each goes to whatever has the focus. A shortcut presses its
// button once the button has shown itself pressed (100 ms), so Ctrl and Alt keys wait for it.
void Type(QWidget* window, const std::vector<QKeyCombination>& keys) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    for (const QKeyCombination k : keys) {
        QWidget* focus = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(focus, k.key(), k.keyboardModifiers());
        QTest::qWait(k.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier) ? 150 : 0);
    }
}

TEST_F(MainWindowTest, TabGoesRoundTheWindowAndTownsAreReachedByKeys) {
    window->lblTown[0]->setFocus();
    for (QWidget* next :
         std::initializer_list<QWidget*>{window->lblTown[1], window->lblTown[2], window->cmdSpecial,
                                         window->cmdBuy, window->cmdSell, window->cmdFinances,
                                         window->Grid1, window->Grid2, window->lblTown[0]}) {
        Type(window.get(), {Qt::Key_Tab});
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    const struct {
        std::vector<QKeyCombination> keys;
        int town, day;
    } cases[] = {
        {{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space}, 2, 1},
        {{Qt::Key_Tab, Qt::KeypadModifier | Qt::Key_Enter}, 1, 1},
        {{Qt::Key_Backtab, Qt::ControlModifier | Qt::Key_3}, 2, 1},
        {{Qt::ControlModifier | Qt::Key_1}, 0, 0},
    };
    for (const auto& c : cases) {
        NewGame();
        window->lblTown[0]->setFocus();
        Type(window.get(), c.keys);
        EXPECT_EQ(vars.CurrentTown, c.town);
        EXPECT_EQ(window->Tables().CurrentDay, c.day);
    }
    // On the last day the towns under Finish are out of reach.
    TravelUntilDay(45);
    const int town = vars.CurrentTown;
    window->Grid2->setFocus();
    Type(window.get(), {Qt::Key_Tab, Qt::Key_Tab, Qt::ControlModifier | Qt::Key_1,
                        Qt::ControlModifier | Qt::Key_2});
    EXPECT_EQ(QApplication::focusWidget(), window->cmdSpecial);
    EXPECT_EQ(vars.CurrentTown, town);
}

TEST_F(MainWindowTest, BuyAndSellFromTheGridsAndAboutsLinksFromTheKeyboard) {
    constexpr int Water = 4, Grapes = 3, Empty = 6;
    vars.Holdings[Grapes] = {std::string("Grapes"), 20.0, 5.0};
    vars.ItemsCarried = 5;
    window->ShowHoldings();
    const QKeyCombination altB = Qt::AltModifier | Qt::Key_B, altS = Qt::AltModifier | Qt::Key_S;
    const std::tuple<Grid*, int, QKeyCombination, QString> cases[] = {
        {window->Grid2, Grapes, altB, "Buy - Water"},
        {window->Grid1, Water, Qt::Key_Return, "Buy - Water"},
        {window->Grid1, Water, altS, "Sell - Grapes"},
        {window->Grid2, Grapes, Qt::Key_Return, "Sell - Grapes"},
        {window->Grid2, Empty, Qt::Key_Return, ""},
        {window->Grid1, Water, Qt::Key_Space, ""}};
    for (const auto& [grid, row, key, opened] : cases) {
        modal.shownTitles = {""};
        window->Grid1->SetRow(Water);
        window->Grid2->SetRow(Grapes);
        grid->SetRow(row);
        grid->setFocus();
        Type(window.get(), {key});
        EXPECT_EQ(modal.shownTitles.back(), opened) << row;
    }
    frmAbout links_(links);
    Type(&links_, {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Space});
    EXPECT_EQ(links.opened, (std::vector<std::string>{"https://www.example.org/",
                                                      "mailto:dunemark@example.org"}));
}

TEST_F(MainWindowTest, AScreenReaderFindsEveryControlNamedAndTheMoneyWithItsCaption) {
    vars.Cash = 0;
    vars.Debt = 1234567;
    window->ShowStatus();
    frmFinances finances(vars, platform);
    frmSpecial special(vars, platform, nullptr, nullptr);
    const std::tuple<QWidget*, QAccessible::Role, QString> cases[] = {
        {window->lblTown[0], QAccessible::Button, "Origon"},
        {window->lblCash, QAccessible::StaticText, "Cash: 0"},
        {window->lblDebt, QAccessible::StaticText, "Debt: 1,234,567"},
        {window->Grid1, QAccessible::Table, "Items you can buy"},
        {finances.txtBank, QAccessible::EditableText, "Bank:"},
        {special.OptGift[4], QAccessible::RadioButton, "Food & water"},
    };
    for (const auto& [widget, role, name] : cases) {
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
        EXPECT_EQ(control->role(), role) << name.toStdString();
        EXPECT_EQ(control->text(QAccessible::Name), name);
    }
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(window->Grid2);
    const auto header = grid->tableInterface()->cellAt(0, 2)->tableCellInterface();
    EXPECT_EQ(header->columnHeaderCells().value(0)->text(QAccessible::Name), "Qty");
    // The towns tell their shortcuts, and pressing one through the reader travels.
    QAccessibleInterface* town = QAccessible::queryAccessibleInterface(window->lblTown[2]);
    EXPECT_EQ(town->text(QAccessible::Description), "Travel to Foxton (Ctrl+3)");
    town->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([this] { return vars.CurrentTown == 2; }, 1000));
}

} // namespace
} // namespace dunemark
