#include "MainWindowFixture.h"
#include "forms/StartUp.h"
#include "forms/SvgPicture.h"
#include "forms/frmStory.h"

#include <QApplication>
#include <QTest>

namespace dunemark {
namespace {

class StoryStartUpTest : public ::testing::Test {
protected:
    StoryStartUpTest() { startUp.Begin(); }

    static int VisibleWindows() {
        int count = 0;
        for (const QWidget* widget : QApplication::topLevelWidgets())
            count += widget->isVisible() ? 1 : 0;
        return count;
    }

    PlatformDoubles doubles;
    StartUp startUp{doubles.platform};
};

TEST_F(StoryStartUpTest, TheStoryIsTheFirstAndOnlyWindow) {
    ASSERT_NE(startUp.Story(), nullptr);
    EXPECT_TRUE(startUp.Story()->isVisible());
    EXPECT_EQ(startUp.Story()->windowTitle(), "Story");
    EXPECT_EQ(startUp.Main(), nullptr);
    EXPECT_EQ(VisibleWindows(), 1);
}

TEST_F(StoryStartUpTest, AClickOpensTheMainWindowWithANewGame) {
    QTest::mouseClick(startUp.Story()->lblStory, Qt::LeftButton);
    ASSERT_NE(startUp.Main(), nullptr);
    EXPECT_TRUE(startUp.Main()->isVisible());
    EXPECT_EQ(startUp.Vars().Cash, 2000);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(startUp.Story(), nullptr);
}

TEST_F(StoryStartUpTest, ACharacterKeyEscapeOrEnterDismissesTheStoryButArrowsAndShiftDoNot) {
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Down, Qt::Key_Shift, Qt::Key_F5})
        QTest::keyClick(startUp.Story(), key);
    EXPECT_EQ(startUp.Main(), nullptr);
    EXPECT_TRUE(startUp.Story()->isVisible());

    for (const Qt::Key key : {Qt::Key_Q, Qt::Key_Escape, Qt::Key_Return}) {
        PlatformDoubles doubles;
        StartUp again{doubles.platform};
        again.Begin();
        QTest::keyClick(again.Story(), key);
        ASSERT_NE(again.Main(), nullptr) << key;
        EXPECT_FALSE(again.Story() && again.Story()->isVisible()) << key;
    }
}

TEST_F(StoryStartUpTest, TheCloseBoxLeavesNoWindowAndNoGame) {
    startUp.Story()->close();
    EXPECT_EQ(startUp.Main(), nullptr);
    EXPECT_EQ(VisibleWindows(), 0);
}

// The story is built from pieces: they must join with the spaces and the one empty line.
TEST(StoryText, IsBuiltFromItsPiecesWithOneEmptyLineBeforeGoodLuck) {
    const QString text = frmStory::StoryText();
    EXPECT_TRUE(text.startsWith("You have been sentenced to death. After you pleaded with the "));
    EXPECT_TRUE(text.contains("a loan (for your bail), and 2 months, to make as much money"));
    EXPECT_TRUE(text.endsWith("will decide where you get buried\r\n\r\nGood Luck !"));
}

using StoryFromMenuTest = MainWindowFixture;

TEST_F(StoryFromMenuTest, TheStoryBesideTheGameLeavesItUntouched) {
    TravelUntilDay(2);
    const DeclareVars before = vars;
    const QString caption = window->windowTitle();

    window->mnuStory->trigger();
    frmStory* story = window->Story();
    ASSERT_NE(story, nullptr);
    EXPECT_TRUE(story->isVisible());
    EXPECT_TRUE(window->isEnabled()) << "the story is not modal";
    window->mnuStory_Click();
    EXPECT_EQ(window->Story(), story) << "a second choice only brings it to the front";

    QTest::mouseClick(story->Image2, Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->Story(), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), caption);
    EXPECT_EQ(vars.Cash, before.Cash);
    EXPECT_EQ(vars.CurrentTown, before.CurrentTown);
    EXPECT_EQ(vars.Holdings, before.Holdings);
    EXPECT_EQ(vars.MarketItems, before.MarketItems);
}

} // namespace
} // namespace dunemark
