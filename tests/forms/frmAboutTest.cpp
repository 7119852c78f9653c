#include "forms/frmAbout.h"

#include "PlatformDoubles.h"
#include "core/ProgramVersion.h"
#include "core/VersionText.h"

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace dunemark {
namespace {

const QPoint LogoHome{8, 8};

class AboutWindow : public ::testing::Test, protected PlatformDoubles {
protected:
    AboutWindow() { Place(about); }

    void Place(frmAbout& window) {
        window.move(200, 150);
        window.pointerPosition = [this] { return pointer; };
    }
    // Where a dragged logo's corner goes for the pointer at `at`: its centre under the pointer,
    // counted from the window's outer corner.
    QPoint DraggedTo(QPoint at) const {
        return at - about.frameGeometry().topLeft() - QPoint(39, 39);
    }

    frmAbout about{links};
    QPoint pointer{400, 300};
};

TEST_F(AboutWindow, ShowsTheBuildsVersionAndStopsItsTimersOnClosing) {
    EXPECT_EQ(about.lblVersion->text().toStdString(),
              VersionText(VersionMajor, VersionMinor, VersionRevision));
    EXPECT_EQ(about.lblComments->text(),
              "A trading game. Make as much money as you can before all your days go.");
    const std::pair<QTimer*, int> timers[] = {
        {about.Timer1, 200}, {about.tmrScroll, 50}, {about.tmrHideDisc, 5000}};
    bool scrolling = false;
    Drive(about, [&](frmAbout&) { scrolling = about.tmrScroll->isActive(); });
    EXPECT_TRUE(scrolling);
    for (const auto& [timer, interval] : timers) {
        EXPECT_EQ(timer->interval(), interval);
        EXPECT_FALSE(timer->isActive()) << interval;
    }
}

// Every press on the logo, of any button, toggles the disclaimer; after five seconds it hides,
// once, unless a press hid it already.
TEST_F(AboutWindow, PressesOnTheLogoToggleTheDisclaimerUntilItHidesByItself) {
    EXPECT_FALSE(about.lblDisc->isHidden());
    const std::pair<Qt::MouseButton, Qt::KeyboardModifiers> presses[] = {
        {Qt::LeftButton, Qt::NoModifier},
        {Qt::RightButton, Qt::NoModifier},
        {Qt::MiddleButton, Qt::ShiftModifier},
        {Qt::LeftButton, Qt::ControlModifier},
    };
    bool shown = true;
    for (const auto& [button, shift] : presses) {
        about.imgLogo_MouseDown(button, shift);
        about.imgLogo_MouseUp(button, shift);
        shown = !shown;
        EXPECT_EQ(about.lblDisc->isHidden(), !shown) << button;
    }
    about.tmrHideDisc_Timer();
    EXPECT_TRUE(about.lblDisc->isHidden());
    EXPECT_FALSE(about.tmrHideDisc->isActive());

    frmAbout pressedEarly(links);
    pressedEarly.imgLogo_MouseDown(Qt::LeftButton, Qt::NoModifier);
    pressedEarly.tmrHideDisc_Timer();
    EXPECT_TRUE(pressedEarly.lblDisc->isHidden());
}

TEST_F(AboutWindow, OnlyTheLeftButtonWithCtrlAloneDragsTheLogo) {
    const struct {
        const char* name;
        Qt::MouseButton button;
        Qt::KeyboardModifiers shift;
        bool drags;
    } cases[] = {
        {"left with Ctrl", Qt::LeftButton, Qt::ControlModifier, true},
        {"left with Ctrl on the keypad", Qt::LeftButton, Qt::ControlModifier | Qt::KeypadModifier,
         true},
        {"left alone", Qt::LeftButton, Qt::NoModifier, false},
        {"right with Ctrl", Qt::RightButton, Qt::ControlModifier, false},
        {"left with Ctrl and Alt", Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier, false},
    };
    for (const auto& c : cases) {
        frmAbout window(links);
        Place(window);
        window.imgLogo_MouseDown(c.button, c.shift);
        window.Timer1_Timer();
        EXPECT_EQ(window.imgLogo->pos(), c.drags ? DraggedTo(pointer) : LogoHome) << c.name;
    }
}

TEST_F(AboutWindow, ADraggedLogoFollowsThePointerAndGoesHomeOnTheTickAfterTheRelease) {
    about.show();
    QTest::mousePress(about.imgLogo, Qt::LeftButton, Qt::ControlModifier);
    about.Timer1_Timer();
    EXPECT_EQ(about.Timer1->interval(), 50);
    EXPECT_EQ(about.imgLogo->pos(), DraggedTo(pointer));

    pointer = {250, 180};
    about.Timer1_Timer();
    EXPECT_EQ(about.imgLogo->pos(), DraggedTo(pointer));

    QTest::mouseRelease(about.imgLogo, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(about.Timer1->interval(), 200);
    EXPECT_EQ(about.imgLogo->pos(), DraggedTo(pointer)) << "it waits for the next tick";

    about.Timer1_Timer();
    EXPECT_EQ(about.imgLogo->pos(), LogoHome);
    EXPECT_EQ(about.Timer1->interval(), 50);
}

TEST_F(AboutWindow, OnlyALongDescriptionScrollsUpHalfAPixelATickAndComesBackFromBelow) {
    for (int tick = 0; tick < 100; ++tick)
        about.tmrScroll_Timer();
    EXPECT_EQ(about.lblComments->pos(), QPoint(8, 0)) << "the short one stays put";

    QStringList lines;
    for (int i = 1; i <= 20; ++i)
        lines << QStringLiteral("Line %1 of a long description.").arg(i);
    about.lblComments->setText(lines.join(QLatin1Char(' ')));
    about.tmrScroll_Timer();
    const int height = about.lblComments->height();
    ASSERT_GT(height, about.picCont->height());
    about.tmrScroll_Timer();
    EXPECT_EQ(about.lblComments->pos(), QPoint(8, -1));
    for (int tick = 2; tick < 20; ++tick)
        about.tmrScroll_Timer();
    EXPECT_EQ(about.lblComments->y(), -10);

    // Up to the tick that takes its top to minus its height, where it starts again below the box.
    for (int tick = 20; tick < 2 * height - 1; ++tick)
        about.tmrScroll_Timer();
    EXPECT_EQ(about.lblComments->y(), -height);
    about.tmrScroll_Timer();
    EXPECT_EQ(about.lblComments->y(), 121 + 2);
    about.tmrScroll_Timer();
    about.tmrScroll_Timer();
    EXPECT_EQ(about.lblComments->y(), 122);
}

TEST_F(AboutWindow, TheLinksOpenTheWebPageAndAMailToTheAddressShown) {
    about.show();
    EXPECT_EQ(about.lblEmail->text(), "dunemark@example.org");
    QTest::mouseClick(about.lblEmail, Qt::LeftButton);
    QTest::mouseClick(about.lblWeb, Qt::LeftButton);
    QTest::mouseClick(about.lblWeb, Qt::RightButton);
    EXPECT_EQ(links.opened, (std::vector<std::string>{"mailto:dunemark@example.org",
                                                      "https://www.example.org/"}));
    EXPECT_EQ(about.lblWeb->text().toStdString(), links.opened.back());
}

} // namespace
} // namespace dunemark
