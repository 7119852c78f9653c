#include "platform/qt/QtMessageBox.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace dunemark {
namespace {

struct SeenBox {
    QRect place;
    int lines = 0;
};

// Shows `text` in a real message box and closes it once it is on screen.
SeenBox ShowAndSee(const std::string& text) {
    SeenBox seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.place = box->geometry();
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        seen.lines = label->heightForWidth(label->width()) / label->fontMetrics().lineSpacing();
        box->accept();
    });
    QtMessageBox().Show(text, "Dunemark", MsgIcon::Critical, MsgButtons::Ok);
    return seen;
}

// The game's longest messages each break at most once, and every box opens centred over the
// window that asked: the main window, even with the story beside it active, or the dialog open
// over it.
TEST(QtMessageBox, OpensCentredOverTheAskingWindowAndBreaksAtMostOnce) {
    const std::string longest[] = {
        "The Pharoah needs Granite Statue for his personal use, and so\r\nthe price has gone up",
        "The market has been flooded with cheap Granite Statue and so prices are very low",
        "Your pyramid bank was robbed, half your fortune has gone",
        "The Pharoah is pleased with you progress\r\nYou received a cash bonus of 299,999",
    };
    QMainWindow main;
    main.setGeometry(216, 47, 368, 406);
    main.show();
    QWidget story;
    story.setGeometry(600, 420, 190, 170);
    story.show();
    story.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&story));
    QDialog dialog(&main);
    dialog.setGeometry(158, 208, 484, 284);
    for (const bool dialogOpen : {false, true}) {
        dialog.setModal(true);
        dialog.setVisible(dialogOpen);
        const QWidget& asking = dialogOpen ? static_cast<QWidget&>(dialog) : main;
        for (const std::string& text : longest) {
            SCOPED_TRACE(text);
            const SeenBox seen = ShowAndSee(text);
            EXPECT_LE((seen.place.center() - asking.geometry().center()).manhattanLength(), 1);
            const auto breaks = static_cast<int>(text.find('\n') != std::string::npos);
            EXPECT_LE(seen.lines, 2 + breaks);
        }
    }
}

} // namespace
} // namespace dunemark
