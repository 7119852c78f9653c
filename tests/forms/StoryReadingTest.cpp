#include "forms/frmStory.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace dunemark {
namespace {

// With the story open, a screen reader finds the focus on the story's text and reads it whole.
TEST(StoryReading, TheFocusHoldsTheTextAScreenReaderReads) {
    frmStory story([] {});
    story.show();
    story.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&story));
    EXPECT_EQ(story.windowTitle(), "Story");
    QAccessibleInterface* focus =
        QAccessible::queryAccessibleInterface(QApplication::focusWidget());
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(focus->text(QAccessible::Name), story.lblStory->text());
    EXPECT_TRUE(focus->text(QAccessible::Name).startsWith("You have been sentenced to death."));
}

// Only a key that types a character dismisses the story, with the text the window system sends.
TEST(StoryReading, OnlyKeysThatTypeACharacterDismissTheStory) {
    const struct {
        Qt::Key key;
        const char* text;
        bool dismisses;
    } cases[] = {
        {Qt::Key_A, "a", true},          {Qt::Key_5, "5", true},
        {Qt::Key_Comma, ",", true},      {Qt::Key_Space, " ", true},
        {Qt::Key_Return, "\r", true},    {Qt::Key_Escape, "\x1b", true},
        {Qt::Key_Backspace, "\b", true}, {Qt::Key_Tab, "\t", false},
        {Qt::Key_Delete, "\x7f", false}, {Qt::Key_Left, "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        int dismissed = 0;
        QPointer<frmStory> story = new frmStory([&] { ++dismissed; });
        story->show();
        QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier, QString::fromLatin1(c.text));
        QApplication::sendEvent(story->lblStory, &press);
        EXPECT_EQ(dismissed, c.dismisses ? 1 : 0);
        delete story;
    }
}

} // namespace
} // namespace dunemark
