#include "forms/frmAbout.h"

#include "core/ProgramVersion.h"
#include "core/VersionText.h"
#include "platform/doubles/FakeLinkOpener.h"
#include "platform/doubles/ScriptedModalShower.h"

#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace dunemark {
namespace {

const QPoint LogoHome{8, 8};

class AboutWindow : public ::testing::Test {
protected:
    AboutWindow() {
        about.move(200, 150);
        about.pointerPosition = [this] { return pointer; };
    }

    // Where a dragged logo's corner goes for the pointer at `at`: its centre under the pointer,
    // counted from the window's outer corner.
    QPoint DraggedTo(QPoint at) const {
        return at - about.frameGeometry().topLeft() - QPoint(39, 39);
    }

    // A description too tall for its box, so that it scrolls.
    void MakeDescriptionLong() {
        QStringList lines;
        for (int i = 1; i <= 20; ++i)
            lines << QStringLiteral("Line %1 of a long description.").arg(i);
        about.lblComments->setText(lines.join(QLatin1Char(' ')));
    }

    FakeLinkOpener links;
    frmAbout about{links};
    QPoint pointer{400, 300};
};

TEST_F(AboutWindow, OpensYellowAndFixedWithTheBuildsVersionAndItsTimersRunning) {
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(about.size(), QSize(312, 213));
    EXPECT_FALSE(about.windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(about.palette().color(QPalette::Window), QColor(255, 255, 0));
    EXPECT_EQ(about.picCont->palette().color(QPalette::Window), QColor(255, 255, 0));

    EXPECT_EQ(about.lblVersion->text().toStdString(),
              VersionText(VersionMajor, VersionMinor, VersionRevision));
    EXPECT_EQ(about.lblVersion->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(about.lblCopyright->palette().color(QPalette::WindowText), QColor(80, 80, 255));
    EXPECT_FALSE(about.lblCopyright->text().isEmpty());
    EXPECT_EQ(about.lblComments->text(),
              "A trading game. Make as much money as you can before all your days go.");
    EXPECT_FALSE(about.lblDisc->isHidden());
    EXPECT_EQ(about.imgLogo->geometry(), QRect(LogoHome, QSize(78, 78)));

    const std::pair<QTimer*, int> timers[] = {
        {about.Timer1, 200}, {about.tmrScroll, 50}, {about.tmrHideDisc, 5000}};
    for (const auto& [timer, interval] : timers) {
        EXPECT_TRUE(timer->isActive()) << interval;
        EXPECT_EQ(timer->interval(), interval);
    }
}

TEST_F(AboutWindow, AShortTitleStaysInPlaceAndALongOneSpansTheWindow) {
    EXPECT_EQ(about.lblTit->text(), "Dunemark");
    EXPECT_EQ(about.lblTit->x(), 96);
    EXPECT_EQ(about.lblTit->width(), about.lblTit->sizeHint().width());
    EXPECT_LE(about.lblTit->width(), about.lblComments->width());

    about.ShowTitle(QStringLiteral("The Great Caravan Trading Company"));
    EXPECT_EQ(about.lblTit->x(), 0);
    EXPECT_EQ(about.lblTit->width(), 312);
    EXPECT_EQ(about.lblTit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST_F(AboutWindow, EveryPressOnTheLogoTogglesTheDisclaimer) {
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
}

TEST_F(AboutWindow, TheDisclaimerHidesOnceAfterFiveSecondsUnlessAPressHidItAlready) {
    about.tmrHideDisc_Timer();
    EXPECT_TRUE(about.lblDisc->isHidden());
    EXPECT_FALSE(about.tmrHideDisc->isActive());

    FakeLinkOpener noLinks;
    frmAbout pressedEarly(noLinks);
    pressedEarly.imgLogo_MouseDown(Qt::LeftButton, Qt::NoModifier);
    pressedEarly.tmrHideDisc_Timer();
    EXPECT_TRUE(pressedEarly.lblDisc->isHidden());
}

struct DragCase {
    const char* name;
    Qt::MouseButton button;
    Qt::KeyboardModifiers shift;
    bool drags;
};

TEST_F(AboutWindow, OnlyTheLeftButtonWithCtrlAloneDragsTheLogo) {
    const DragCase cases[] = {
        {"left with Ctrl", Qt::LeftButton, Qt::ControlModifier, true},
        {"left with Ctrl on the keypad", Qt::LeftButton, Qt::ControlModifier | Qt::KeypadModifier,
         true},
        {"left alone", Qt::LeftButton, Qt::NoModifier, false},
        {"right with Ctrl", Qt::RightButton, Qt::ControlModifier, false},
        {"left with Shift", Qt::LeftButton, Qt::ShiftModifier, false},
        {"left with Ctrl and Shift", Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier,
         false},
        {"left with Ctrl and Alt", Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier, false},
    };
    for (const auto& c : cases) {
        FakeLinkOpener noLinks;
        frmAbout window(noLinks);
        window.pointerPosition = [this] { return pointer; };
        window.imgLogo_MouseDown(c.button, c.shift);
        window.Timer1_Timer();
        const QPoint expected =
            c.drags ? pointer - window.frameGeometry().topLeft() - QPoint(39, 39) : LogoHome;
        EXPECT_EQ(window.imgLogo->pos(), expected) << c.name;
    }
}

TEST_F(AboutWindow, ADraggedLogoFollowsThePointerAndGoesHomeOnTheTickAfterTheRelease) {
    about.imgLogo_MouseDown(Qt::LeftButton, Qt::ControlModifier);
    about.Timer1_Timer();
    EXPECT_EQ(about.Timer1->interval(), 50);
    EXPECT_EQ(about.imgLogo->pos(), DraggedTo(pointer));

    pointer = {250, 180};
    about.Timer1_Timer();
    EXPECT_EQ(about.imgLogo->pos(), DraggedTo(pointer));

    about.imgLogo_MouseUp(Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(about.Timer1->interval(), 200);
    EXPECT_EQ(about.imgLogo->pos(), DraggedTo(pointer)) << "it waits for the next tick";

    about.Timer1_Timer();
    EXPECT_EQ(about.imgLogo->pos(), LogoHome);
    EXPECT_EQ(about.Timer1->interval(), 50);
}

TEST_F(AboutWindow, MousePressesOnTheLogoReachItsHandlers) {
    about.show();
    QTest::mousePress(about.imgLogo, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_TRUE(about.lblDisc->isHidden());
    about.Timer1_Timer();
    EXPECT_EQ(about.imgLogo->pos(), DraggedTo(pointer));

    QTest::mouseRelease(about.imgLogo, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(about.Timer1->interval(), 200);
    about.Timer1_Timer();
    EXPECT_EQ(about.imgLogo->pos(), LogoHome);
}

TEST_F(AboutWindow, TheShortDescriptionStaysPut) {
    ASSERT_LE(about.lblComments->height(), about.picCont->height());
    for (int tick = 0; tick < 100; ++tick)
        about.tmrScroll_Timer();
    EXPECT_EQ(about.lblComments->pos(), QPoint(8, 0));
}

TEST_F(AboutWindow, ALongDescriptionScrollsUpHalfAPixelATickAndComesBackFromBelow) {
    MakeDescriptionLong();
    about.tmrScroll_Timer();
    const int height = about.lblComments->height();
    ASSERT_GT(height, about.picCont->height());
    EXPECT_EQ(about.lblComments->x(), 8);

    about.tmrScroll_Timer();
    EXPECT_EQ(about.lblComments->y(), -1);
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

    for (const QLabel* link : {about.lblWeb, about.lblEmail})
        EXPECT_NE(link->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(AboutWindow, ClosingTheWindowStopsItsTimers) {
    ScriptedModalShower modal;
    bool wasRunning = false;
    modal.scripts.push_back([&](QDialog&) { wasRunning = about.tmrScroll->isActive(); });
    modal.ShowModal(about);
    EXPECT_TRUE(wasRunning);
    EXPECT_EQ(modal.shownTitles, std::vector<QString>{"About"});
    for (const QTimer* timer : {about.Timer1, about.tmrScroll, about.tmrHideDisc})
        EXPECT_FALSE(timer->isActive());
}

} // namespace
} // namespace dunemark
