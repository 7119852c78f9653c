#pragma once

// What the tests of the windows share: every window, every seam of the platform replaced by a
// double, and a shown main window with a fresh game.
#include "core/SpecialProducts.h"
#include "forms/StartUp.h"
#include "forms/frmAbout.h"
#include "forms/frmBuy.h"
#include "forms/frmFinances.h"
#include "forms/frmGetNumber.h"
#include "forms/frmHighScores.h"
#include "forms/frmMain.h"
#include "forms/frmSell.h"
#include "forms/frmShowEndTomb.h"
#include "forms/frmSpecial.h"
#include "forms/frmStory.h"
#include "platform/doubles/ScriptedModalShower.h"
#include "platform/qt/QtMessageBox.h"
#include "widgets/FitLabel.h"
#include "widgets/Grid.h"
#include "widgets/Look.h"
#include "widgets/SvgPicture.h"
#include "widgets/TownLabel.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace dunemark {

struct PlatformDoubles {
    // Queues a script for the next dialog shown through the modal seam, which must be a Dialog.
    template <typename Dialog> void Next(std::function<void(Dialog&)> script) {
        modal.scripts.push_back([script](QDialog& shown) { script(dynamic_cast<Dialog&>(shown)); });
    }

    FakeMessageBox messages;
    FakeInputBox input;
    MemorySettingsStore settings;
    FakeClock clock;
    ScriptedRandom random; // every draw 0: no events, and each price its base price
    FakeLinkOpener links;
    ScriptedModalShower modal;
    FakeClipboard clipboard;
    Platform platform{messages, input, settings, clock, random, links, modal, clipboard};
};

// Shows `window` and makes it the active one, as the player's click would.
inline bool Activate(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Keys typed as the player does: each goes to whatever has the focus. A shortcut presses its
// button once the button has shown itself pressed (100 ms), so Ctrl and Alt keys wait for it.
inline void Type(QWidget* window, const std::vector<QKeyCombination>& keys) {
    ASSERT_TRUE(Activate(window));
    for (const QKeyCombination k : keys) {
        QWidget* focus = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(focus, k.key(), k.keyboardModifiers());
        // The press is due once the wait is over, however late the wait woke.
        if (k.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier))
            QTest::qWait(150), QApplication::processEvents();
    }
}

// The name a screen reader reads for a control.
inline std::string NameOf(QWidget* control, QAccessible::Text kind = QAccessible::Name) {
    return QAccessible::queryAccessibleInterface(control)->text(kind).toStdString();
}

// A shown main window with a fresh game, on the doubles.
struct MainWindow : PlatformDoubles {
    MainWindow() { window->show(); }

    DeclareVars vars;
    std::unique_ptr<frmMain> window = std::make_unique<frmMain>(vars, platform);
};

struct MainWindowTest : ::testing::Test, MainWindow {
    // Moves back and forth between two towns until the given day has begun.
    void TravelUntilDay(int day) {
        while (window->Tables().CurrentDay < day)
            window->lblTown_Click(vars.CurrentTown == 0 ? 1 : 0);
    }
};

} // namespace dunemark
