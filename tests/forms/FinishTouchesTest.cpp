#include "forms/Grid.h"
#include "forms/SvgPicture.h"
#include "forms/TownLabel.h"
#include "forms/frmMain.h"
#include "forms/frmStory.h"
#include "platform/doubles/FakeClock.h"
#include "platform/doubles/FakeInputBox.h"
#include "platform/doubles/FakeLinkOpener.h"
#include "platform/doubles/FakeMessageBox.h"
#include "platform/doubles/MemorySettingsStore.h"
#include "platform/doubles/ScriptedModalShower.h"
#include "platform/doubles/ScriptedRandom.h"
#include "platform/qt/QtMessageBox.h"

#include <QAccessible>
#include <QLabel>
#include <QMessageBox>
#include <QSvgRenderer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <utility>

namespace dunemark {
namespace {

// A main window on a game of its own, away from the corner of the screen.
class FinishTouchesTest : public ::testing::Test {
protected:
    FinishTouchesTest() { window.setGeometry(216, 47, 368, 406); }
    FakeMessageBox messages;
    FakeInputBox input;
    MemorySettingsStore settings;
    FakeClock clock;
    ScriptedRandom random;
    FakeLinkOpener links;
    ScriptedModalShower modal;
    Platform platform{messages, input, settings, clock, random, links, modal};
    DeclareVars vars;
    frmMain window{vars, platform};
};

// The game's longest message stands on one line, in a real box centred over the window that
// asked: the main window, even with the story beside it active, or the dialog open over it.
TEST_F(FinishTouchesTest, MessageBoxesOpenWholeOverTheWindowThatAsked) {
    window.show();
    frmStory story([] {});
    story.show();
    story.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&story));
    QDialog dialog(&window);
    dialog.setGeometry(158, 208, 484, 284);
    dialog.setModal(true);
    for (const QWidget* asking : {static_cast<QWidget*>(&window), static_cast<QWidget*>(&dialog)}) {
        dialog.setVisible(asking == &dialog);
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            EXPECT_EQ(label->heightForWidth(label->width()) / label->fontMetrics().height(), 1);
            EXPECT_EQ(box->geometry().center(), asking->geometry().center());
            box->accept();
        });
        QtMessageBox().Show(
            "The market has been flooded with cheap Granite Statue and so prices are very low",
            "Dunemark", MsgIcon::None, MsgButtons::Ok);
    }
}

TEST_F(FinishTouchesTest, TheLastColumnShowsWholeInsideItsGrid) {
    window.show();
    for (const Grid* grid : {window.Grid1, window.Grid2}) {
        const int last = grid->columnCount() - 1;
        EXPECT_LE(grid->columnViewportPosition(last) + grid->columnWidth(last),
                  grid->viewport()->width());
    }
}

// Each town's houses stand whole on the map, beside its name.
TEST_F(FinishTouchesTest, EachTownsHousesSitWholeBesideItsName) {
    QSvgRenderer map(QStringLiteral(":/assets/map.svg"));
    ASSERT_EQ(map.viewBox().size(), window.Picture1->size());
    for (const TownLabel* town : window.lblTown) {
        const QRectF houses = map.boundsOnElement(town->text().toLower());
        const QRectF name = town->fontMetrics().boundingRect(
            town->geometry(), Qt::AlignLeft | Qt::AlignVCenter, town->text());
        EXPECT_TRUE(QRectF(map.viewBox()).adjusted(1, 1, -1, -1).contains(houses));
        EXPECT_FALSE(houses.intersects(name));
        EXPECT_LT(std::max(houses.left() - name.right(), name.left() - houses.right()), 16);
    }
}

// A screen reader finds the focus on the story's text; only keys that type a character, with
// the text the window system sends, dismiss the story.
TEST(StoryReading, TheTextHoldsTheFocusAndOnlyCharacterKeysDismissIt) {
    const std::pair<Qt::Key, const char*> cases[] = {
        {Qt::Key_A, "a"},          {Qt::Key_Comma, ","}, {Qt::Key_Escape, "\x1b"},
        {Qt::Key_Backspace, "\b"}, {Qt::Key_Tab, "\t"},  {Qt::Key_Delete, "\x7f"}};
    for (const auto& [key, text] : cases) {
        int dismissed = 0;
        QPointer<frmStory> story = new frmStory([&] { ++dismissed; });
        story->show();
        story->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(story));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(QApplication::focusWidget())
                      ->text(QAccessible::Name),
                  story->lblStory->text());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString::fromLatin1(text));
        QApplication::sendEvent(QApplication::focusWidget(), &press);
        EXPECT_EQ(dismissed, key != Qt::Key_Tab && key != Qt::Key_Delete) << key;
        delete story;
    }
}

} // namespace
} // namespace dunemark
