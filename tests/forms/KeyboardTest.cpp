// Playing without the mouse: everything a click does, done from the keyboard.
#include "MainWindowFixture.h"
#include "core/SpecialProducts.h"
#include "forms/frmAbout.h"
#include "forms/frmFinances.h"
#include "forms/frmHighScores.h"
#include "forms/frmShowEndTomb.h"
#include "forms/frmSpecial.h"

#include <QApplication>
#include <QTest>

namespace dunemark {
namespace {

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// Types the keys as the player does: each one goes to whatever has the focus at the time.
void Type(QWidget* window, const std::vector<Key>& keys) {
    for (const Key& k : keys) {
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(target, k.key, k.modifiers);
    }
}

void Activate(QWidget* window) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

// A shortcut presses its button once the button has shown itself pressed (Qt's animateClick,
// 100 ms), so a test waits that long and a little more.
constexpr int ShortcutTime = 150;

class KeyboardTest : public MainWindowFixture {
protected:
    void SetUp() override { Activate(window.get()); }

    void Carry(int row, const char* name, double count) {
        vars.Holdings[row] = {std::string(name), 20.0, count};
        vars.ItemsCarried = static_cast<std::int16_t>(vars.ItemsCarried + count);
        window->ShowHoldings();
    }
};

TEST_F(KeyboardTest, TabGoesRoundTheWindowAsTheEyeDoes) {
    window->lblTown[0]->setFocus();
    const std::vector<QWidget*> expected = {
        window->lblTown[1], window->lblTown[2], window->cmdSpecial,
        window->cmdBuy,     window->cmdSell,    window->cmdFinances,
        window->Grid1,      window->Grid2,      window->lblTown[0]};
    std::vector<QWidget*> visited;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        Type(window.get(), {{Qt::Key_Tab}});
        visited.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(KeyboardTest, TownsAreChosenFromTheKeyboard) {
    struct Case {
        const char* what;
        std::vector<Key> keys;
        int town, day;
    };
    const Case cases[] = {
        {"Tab to the third town, Space", {{Qt::Key_Tab}, {Qt::Key_Tab}, {Qt::Key_Space}}, 2, 1},
        {"Tab to the second town, Enter", {{Qt::Key_Tab}, {Qt::Key_Return}}, 1, 1},
        {"the keypad's Enter", {{Qt::Key_Tab}, {Qt::Key_Enter, Qt::KeypadModifier}}, 1, 1},
        {"Ctrl+3 from the goods grid", {{Qt::Key_Backtab}, {Qt::Key_3, Qt::ControlModifier}}, 2, 1},
        {"Ctrl+1 for the town already there", {{Qt::Key_1, Qt::ControlModifier}}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doubles.messages.answers = {MsgResult::Yes};
        window->mnuNewGame_Click();
        window->lblTown[0]->setFocus();
        for (const Key& k : c.keys) {
            Type(window.get(), {k});
            QTest::qWait(k.modifiers & Qt::ControlModifier ? ShortcutTime : 0);
        }
        EXPECT_EQ(vars.CurrentTown, c.town);
        EXPECT_EQ(window->Tables().CurrentDay, c.day);
    }
}

TEST_F(KeyboardTest, TheMapUnderFinishIsOutOfReach) {
    TravelUntilDay(45);
    const int town = vars.CurrentTown;
    window->Grid2->setFocus();
    Type(window.get(), {{Qt::Key_Tab}});
    EXPECT_EQ(QApplication::focusWidget(), window->cmdFinish);
    Type(window.get(), {{Qt::Key_Tab}});
    EXPECT_EQ(QApplication::focusWidget(), window->cmdSpecial);
    Type(window.get(), {{Qt::Key_1, Qt::ControlModifier}, {Qt::Key_2, Qt::ControlModifier}});
    QTest::qWait(ShortcutTime);
    EXPECT_EQ(vars.CurrentTown, town);
    EXPECT_EQ(window->Tables().CurrentDay, 45);

    doubles.messages.answers = {MsgResult::Yes};
    window->mnuNewGame_Click();
    EXPECT_TRUE(window->lblTown[1]->isVisible());
    Type(window.get(), {{Qt::Key_2, Qt::ControlModifier}});
    QTest::qWait(ShortcutTime);
    EXPECT_EQ(vars.CurrentTown, 1);
}

TEST_F(KeyboardTest, BuyAndSellFromTheGrids) {
    constexpr int Water = 4, Grapes = 3, Empty = 6;
    using Main = frmMain;
    struct Case {
        const char* what;
        Grid* Main::*grid;
        int row;
        Key key;
        std::vector<QString> opened;
    };
    const Key altB{Qt::Key_B, Qt::AltModifier}, altS{Qt::Key_S, Qt::AltModifier};
    const Key enter{Qt::Key_Return};
    const Case cases[] = {
        {"Alt+B in the market", &Main::Grid1, Water, altB, {"Buy - Water"}},
        {"Alt+B in the goods carried", &Main::Grid2, Grapes, altB, {"Buy - Water"}},
        {"Enter in the market", &Main::Grid1, Water, enter, {"Buy - Water"}},
        {"Alt+S in the market", &Main::Grid1, Water, altS, {"Sell - Grapes"}},
        {"Enter on goods carried", &Main::Grid2, Grapes, enter, {"Sell - Grapes"}},
        {"Enter on an empty row", &Main::Grid2, Empty, enter, {}},
        {"Space in a grid", &Main::Grid1, Water, {Qt::Key_Space}, {}},
    };
    Carry(Grapes, "Grapes", 5);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Activate(window.get()); // again, as the dialog of the case before has taken it
        doubles.modal.shownTitles.clear();
        window->Grid1->SetRow(Water);
        window->Grid2->SetRow(Grapes);
        Grid* grid = (*window).*c.grid;
        grid->SetRow(c.row);
        grid->setFocus();
        Type(window.get(), {c.key});
        QTest::qWait(c.key.modifiers & Qt::AltModifier ? ShortcutTime : 0);
        EXPECT_EQ(doubles.modal.shownTitles, c.opened);
    }
}

TEST_F(KeyboardTest, OnTheLastDayEnterInTheMarketBuysNothing) {
    TravelUntilDay(45);
    window->Grid1->SetRow(4);
    window->Grid1->setFocus();
    const std::size_t messages = doubles.messages.shown.size();
    Type(window.get(), {{Qt::Key_Return}, {Qt::Key_B, Qt::AltModifier}});
    QTest::qWait(ShortcutTime);
    EXPECT_TRUE(doubles.modal.shownTitles.empty());
    EXPECT_EQ(doubles.messages.shown.size(), messages) << "not even a refusal";
}

// Each window, opened afresh, and the key that should close it: the burial window takes the keys
// that would press a button, the high scores have no default button, and Escape goes to the
// dialogs' Cancel (the buy and amount dialogs are closed so in their own tests).
TEST_F(KeyboardTest, DialogsCloseWithTheirKeys) {
    using Make = std::function<std::unique_ptr<QDialog>()>;
    const Make finances = [this] { return std::make_unique<frmFinances>(vars, doubles.platform); };
    const Make special = [this] {
        return std::make_unique<frmSpecial>(vars, doubles.platform, nullptr, nullptr);
    };
    const Make scores = [this] { return std::make_unique<frmHighScores>(vars, doubles.platform); };
    const Make tomb = [this] { return std::make_unique<frmShowEndTomb>(vars); };
    const Make about = [this] { return std::make_unique<frmAbout>(doubles.links); };
    const struct {
        const char* what;
        Make make;
        Qt::Key key;
        int result;
    } cases[] = {
        {"finances, Enter", finances, Qt::Key_Return, QDialog::Accepted},
        {"special, Escape", special, Qt::Key_Escape, QDialog::Rejected},
        {"high scores, Enter", scores, Qt::Key_Return, QDialog::Rejected},
        {"burial, Enter", tomb, Qt::Key_Return, QDialog::Rejected},
        {"burial, Space", tomb, Qt::Key_Space, QDialog::Rejected},
        {"burial, Escape", tomb, Qt::Key_Escape, QDialog::Rejected},
        {"about, Escape", about, Qt::Key_Escape, QDialog::Rejected},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto dialog = c.make();
        dialog->setResult(-1);
        dialog->show();
        Type(dialog.get(), {{c.key}});
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), c.result);
    }
    EXPECT_TRUE(doubles.links.opened.empty());
}

// The tabs of the special products window: visible by their panel.
int ShownTab(const frmSpecial& dialog) {
    if (dialog.picPyramid->isVisible())
        return PyramidTab;
    return dialog.picSlaves->isVisible() ? SlavesTab : GiftTab;
}

TEST_F(KeyboardTest, SpecialTabsTurnFromTheKeyboardPassingDisabledOnes) {
    vars.HasPyramidBank = VbTrue; // the pyramid bank's tab is disabled
    frmSpecial dialog(vars, doubles.platform, nullptr, nullptr);
    Activate(&dialog);
    ASSERT_EQ(ShownTab(dialog), SlavesTab);

    // Ctrl+Tab turns on, Ctrl+Shift+Tab back (as Backtab or as typed), over the disabled tab.
    const Key next{Qt::Key_Tab, Qt::ControlModifier};
    const Key previous{Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier};
    const Key previousAsTyped{Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier};
    const std::pair<Key, int> steps[] = {
        {next, GiftTab}, {next, SlavesTab}, {previous, GiftTab}, {previousAsTyped, SlavesTab}};
    for (const auto& [key, shown] : steps) {
        Type(&dialog, {key});
        EXPECT_EQ(ShownTab(dialog), shown);
    }

    // The arrows go along the tabs, over the disabled one; Space shows the tab they are on.
    dialog.cmdButton[GiftTab]->setFocus();
    Type(&dialog, {{Qt::Key_Left}});
    EXPECT_EQ(QApplication::focusWidget(), dialog.cmdButton[SlavesTab]);
    Type(&dialog, {{Qt::Key_Left}});
    EXPECT_EQ(QApplication::focusWidget(), dialog.cmdButton[SlavesTab]);
    Type(&dialog, {{Qt::Key_Space}});
    EXPECT_EQ(ShownTab(dialog), SlavesTab);
    Type(&dialog, {{Qt::Key_Right}, {Qt::Key_Space}});
    EXPECT_EQ(ShownTab(dialog), GiftTab);
}

TEST_F(KeyboardTest, AboutLinksOpenFromTheKeyboardOnlyOnceReached) {
    frmAbout about(doubles.links);
    Activate(&about);
    Type(&about, {{Qt::Key_Return}});
    EXPECT_TRUE(doubles.links.opened.empty()) << "Enter on opening opens nothing";
    Type(&about, {{Qt::Key_Tab}, {Qt::Key_Return}, {Qt::Key_Tab}, {Qt::Key_Space}});
    EXPECT_EQ(doubles.links.opened, (std::vector<std::string>{"https://www.example.org/",
                                                              "mailto:dunemark@example.org"}));
}

} // namespace
} // namespace dunemark
