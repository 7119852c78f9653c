// What the dialogs add to the rules: typing in the number boxes, the burial, the high scores and
// About.
#include "Doubles.h"

using namespace dunemark;

struct DialogsTest : ::testing::Test, PlatformDoubles {
    template <typename Dialog, typename... Args>
    int Show(const std::function<void(Dialog&)>& script, Args&&... args) {
        Dialog dialog(vars, std::forward<Args>(args)...);
        Next<Dialog>(script);
        return modal.ShowModal(dialog);
    }
    DeclareVars vars;
};

// Keys in a tiny notation: ^ Home, $ End, < Left, > Right, # Backspace, @ Ctrl+A, ~ Ctrl+V;
// any other character is typed.
static void TypeIn(QLineEdit* box, const std::string& keys) {
    const std::string named = "^$<>#@~";
    const Qt::Key namedKeys[] = {Qt::Key_Home,      Qt::Key_End, Qt::Key_Left, Qt::Key_Right,
                                 Qt::Key_Backspace, Qt::Key_A,   Qt::Key_V};
    for (const char key : keys) {
        const std::size_t at = named.find(key); // npos for a character typed as it is
        QTest::keyClick(box, at < named.size() ? namedKeys[at] : Qt::Key(key),
                        at == 5 || at == 6 ? Qt::ControlModifier : Qt::NoModifier);
    }
}

TEST_F(DialogsTest, TheQuantityBoxKeepsANumberAndTheCaretWhereThePlayerTypes) {
    vars.MarketItems[3][NameField][0] = std::string("Grapes");
    vars.MarketItems[3][PriceField][0] = 1.0, vars.SlaveCount = 1000;
    QGuiApplication::clipboard()->setText(".125");
    const std::tuple<const char*, const char*, int> steps[] = {
        {"125.", "125", 3}, // the proposal is replaced, a point at the end goes at once
        {"^>.", "1.25", 2}, {"$9", "1.25", 4}, // no fifth character can be typed
        {"@~", "0.125", 5}, // a pasted fraction keeps its 0, and gives the room back once shortened
        {"<#", "0.15", 3},  {"@#7", "7", 1}}; // an empty box shows 0, replaced by the next key
    const int result = Show<frmBuy>(
        [&](frmBuy& dialog) {
            for (const auto& [keys, text, caret] : steps) {
                TypeIn(dialog.txtQuantity, keys);
                EXPECT_EQ(dialog.txtQuantity->text(), text) << keys;
                EXPECT_EQ(dialog.txtQuantity->cursorPosition(), caret) << keys;
            }
            dialog.cmdCancel->setFocus(); // Enter presses OK wherever the focus is
            QTest::keyClick(dialog.cmdCancel, Qt::Key_Return);
        },
        3);
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(vars.Cash, 2000 - 7);

    // No more can be sold than is held; Escape, Cancel and the close box (which the shower uses
    // on a dialog left open) change nothing.
    vars.Holdings[3] = {std::string("Grapes"), 100.0, 13.0};
    for (const Qt::Key way : {Qt::Key_Escape, Qt::Key_Cancel, Qt::Key_Close}) {
        const auto sell = [way](frmSell& dialog) {
            TypeIn(dialog.txtQuantity, "20");
            EXPECT_EQ(dialog.txtQuantity->text(), "13");
            if (way == Qt::Key_Cancel)
                dialog.cmdCancel->click();
            QTest::keyClick(dialog.txtQuantity, way == Qt::Key_Escape ? way : Qt::Key_Shift);
        };
        EXPECT_EQ(Show<frmSell>(sell, 3, 13.0), QDialog::Rejected);
    }
    EXPECT_EQ(std::pair(CellNumber(vars.Holdings[3][QuantityField]), vars.Cash),
              std::pair(13.0, 2000 - 7));
}

// Ctrl+Tab and Ctrl+Shift+Tab turn the special products' tabs round, past a tab that is off.
TEST_F(DialogsTest, TheSpecialProductsTabsTurnBothWaysPastOneThatIsOff) {
    vars.HasPyramidBank = VbTrue;
    frmSpecial special(vars, platform, nullptr, nullptr);
    ASSERT_TRUE(Activate(&special));
    std::vector<bool> shown{special.picSlaves->isVisible()};
    for (const QKeyCombination key :
         {Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::SHIFT | Qt::Key_Tab})
        QTest::keyClick(&special, key.key(), key.keyboardModifiers()),
            shown.push_back(special.picSlaves->isVisible());
    EXPECT_EQ(shown, (std::vector<bool>{true, false, true, false}));
    EXPECT_FALSE(special.picPyramid->isVisible());
}

// The picture (or the desert's story) and the caption of the rank, with the same margin all
// round; only a click on them closes the window.
TEST_F(DialogsTest, TheBurialShowsTheRankAndClosesOnAClickOnIt) {
    const std::int32_t totals[] = {50'000'001, 50'000'000, 20'000'000, 10'000'000, 500'000, 0};
    for (int rank = 0; rank <= DesertRank; ++rank) {
        vars.FinalScore = totals[rank];
        Show<frmShowEndTomb>([&](frmShowEndTomb& tomb) {
            EXPECT_EQ(tomb.lblCaption->text().toStdString(), InEnglish(BurialCaption(rank)));
            EXPECT_EQ(tomb.lblPoor->isVisible() + tomb.picTomb->pixmap().isNull(),
                      2 * (rank == DesertRank));
            const QRect picture = tomb.picTomb->geometry();
            EXPECT_EQ(tomb.width() - picture.right() - 1, picture.left());
            EXPECT_EQ(tomb.height() - tomb.lblCaption->geometry().bottom() - 1, picture.top());
            QTest::mouseClick(&tomb, Qt::LeftButton, {}, QPoint(2, 2));
            QTest::mouseClick(tomb.lblCaption, Qt::RightButton);
            QTest::mousePress(tomb.lblCaption, Qt::LeftButton);
            EXPECT_TRUE(tomb.isVisible());
            QTest::mouseClick(rank == DesertRank ? tomb.lblPoor : tomb.picTomb, Qt::LeftButton);
            EXPECT_FALSE(tomb.isVisible());
        });
    }
}

// In a locale and with a date of ten characters as it writes one: the widest entry shows whole,
// the columns apart; names from the store show as plain text, a long one cut short with the
// whole in its tooltip, and a huge one without measuring all of it.
TEST_F(DialogsTest, TheHighScoresAskTheNameAndShowEveryTextWholeAndPlain) {
    const std::string image = "<img src=\"/dev/zero\"> is a name far too long to show in a row";
    const std::string stored[] = {"<b>x</b>", image, std::string(1 << 20, 'A')};     // a megabyte
    const QString name = QStringLiteral("Nebmaatre Amenhotep Heqawaset, of Wailey"); // 40 long
    vars.FinalScore = std::numeric_limits<std::int32_t>::max();
    for (const auto& [locale, date] : {std::pair("en_US", "12/06/2026"), {"en_GB", "06/12/2026"}}) {
        settings.values.clear();
        for (int k = 0; k < 3; ++k) {
            settings.values[{"Dunemark", "Scores", "Name" + std::to_string(k)}] = stored[k];
            settings.values[{"Dunemark", "Scores", "Time" + std::to_string(k)}] = "5000";
        }
        input.answers = {name.toStdString()};
        clock.date = date;
        QLocale::setDefault(QLocale(locale));
        frmHighScores window(vars, platform);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QStringList whole = {name, date, QStringLiteral("2,147,483,647")};
        const QLabel* row[] = {window.lblHighName[0], window.lblHighDate[0], window.lblHighTime[0]};
        int edge = window.lblHighNum[9]->geometry().right();
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(row[c]->text(), whole[c]);
            EXPECT_LE(QFontMetricsF(static_cast<const FitLabel*>(row[c])->FittedFont())
                          .horizontalAdvance(whole[c]),
                      row[c]->width());
            EXPECT_GT(row[c]->x(), edge) << c;
            edge = row[c]->geometry().right();
        }
        EXPECT_LT(edge, window.width());
        EXPECT_EQ(window.lblHighName[1]->text() + window.lblHighNum[9]->text(), "<b>x</b>10. ");
        EXPECT_EQ(window.lblHighName[1]->textFormat(), Qt::PlainText);
        EXPECT_TRUE(window.lblHighName[2]->text().endsWith(QChar(0x2026)));
        // A tooltip is read as markup: it shows the text, not what the text would make.
        EXPECT_EQ(QTextDocumentFragment::fromHtml(window.lblHighName[2]->toolTip()).toPlainText(),
                  QString::fromStdString(image));
        EXPECT_LT(window.lblHighName[3]->toolTip().size(), 1000) << "not the whole megabyte";
    }
    EXPECT_EQ(input.asked.size(), 2u) << "the name asked once a window";
}

// What the player hears of the store, in one plain message: an entry the store could not take says
// why and that the table is unchanged, after the name prompt, and the rows show the table as it is
// stored; an entry that is in the table though the disk may not have it yet is told and shown; a
// store read only in part is told when the window opens, once, whether or not the final total
// earns a place.
TEST_F(DialogsTest, WhatTheStoreCouldNotDoIsToldOnce) {
    using enum SaveResult;
    const std::tuple<std::int32_t, SaveResult, SaveResult, const char*> cases[] = {
        {5000, Saved, Busy, "busy"},
        {5000, Saved, Failed, "could not be written"},
        {5000, Saved, TooLarge, "file, <store 3>, is too large to update."},
        {5000, Saved, Unreadable, "file, <store 4>, could not be read."},
        {5000, Saved, LockInTheWay, "at <store 5>: remove it"},
        {5000, Saved, LockNotOpened, "lock file <store 6> cannot be opened: remove it"},
        {5000, Saved, NewFileInTheWay, "at <store 7>, where the new highscores file is"},
        {5000, Saved, ReadOnly, "file, <store 8>, is read-only."},
        {5000, TooLarge, TooLarge, "is too large to update."},
        {5000, Saved, Unsynced,
         "Your score is in the table, but the disk may not have it yet: the system could not "
         "confirm that <store 9> was written."},
        {50, TooLarge, Saved,
         "The highscores file, <store 3>, is too large to read whole: the table shown may be "
         "missing places."},
        {50, Unreadable, Saved, "The highscores file, <store 4>, could not be read."},
        {5000, Saved, Saved, nullptr}};
    std::size_t askedBefore = 0;
    messages.onShow = [&](const ShownMessage&) { askedBefore = input.asked.size(); };
    for (const auto& [total, read, save, why] : cases) {
        settings.values = {{{"Dunemark", "Scores", "Name0"}, "Bob"},
                           {{"Dunemark", "Scores", "Time0"}, "9000"}};
        settings.readResult = read, settings.refusal = save, vars.FinalScore = total;
        messages.shown.clear(), input.asked.clear();
        input.answers = {"Ann"};
        frmHighScores window(vars, platform);
        const bool kept = Stored(save);
        EXPECT_EQ(window.lblHighName[0]->text() + window.lblHighName[1]->text(),
                  total > 100 && kept ? "BobAnn" : "BobNobody");
        ASSERT_EQ(messages.shown.size(), why ? 1u : 0u) << total;
        if (!why)
            continue;
        const ShownMessage& told = messages.shown[0];
        EXPECT_EQ(askedBefore, total > 100 ? 1u : 0u) << why;
        EXPECT_EQ(std::tie(told.title, told.icon, told.buttons),
                  std::make_tuple("Dunemark", MsgIcon::Exclamation, MsgButtons::Ok));
        EXPECT_NE(told.text.find(why), std::string::npos) << told.text;
        EXPECT_EQ(told.text.ends_with(" The table is unchanged."), !kept) << told.text;
    }
}

// The links open from the keys (Tab to one, then Enter or Space) and on a left click. The logo,
// pressed with Ctrl, follows the pointer by where it is in the window, which every desktop tells.
TEST_F(DialogsTest, AboutTogglesItsDisclaimerOnPressesAndOpensItsLinksByKeysAndClicks) {
    frmAbout about(links);
    Type(&about, {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Space});
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        QTest::mouseClick(about.imgLogo, button);
        EXPECT_EQ(about.lblDisc->isHidden(), button == Qt::LeftButton);
    }
    const QPoint home = about.imgLogo->pos();
    QTest::mousePress(about.imgLogo, Qt::LeftButton, Qt::ControlModifier, QPoint(2, 2));
    QMouseEvent drag(QEvent::MouseMove, QPointF(40, 30), QPointF(40, 30), Qt::NoButton,
                     Qt::LeftButton, Qt::ControlModifier);
    QApplication::sendEvent(about.imgLogo, &drag);
    const QPoint pointer = about.imgLogo->mapTo(&about, QPoint(40, 30)) +
                           (about.geometry().topLeft() - about.frameGeometry().topLeft());
    about.Timer1_Timer();
    EXPECT_EQ(about.imgLogo->pos() + QPoint(about.imgLogo->width(), about.imgLogo->height()) / 2,
              pointer);
    QTest::mouseRelease(about.imgLogo, Qt::LeftButton, Qt::ControlModifier);
    about.Timer1_Timer();
    EXPECT_EQ(about.imgLogo->pos(), home);
    about.tmrHideDisc_Timer();
    EXPECT_TRUE(about.lblDisc->isHidden());
    QTest::mouseClick(about.lblEmail, Qt::LeftButton);
    QTest::mouseClick(about.lblWeb, Qt::RightButton);
    QTest::mouseClick(about.lblWeb, Qt::LeftButton);
    const std::string web = "https://www.example.org/", mail = "mailto:dunemark@example.org";
    EXPECT_EQ(links.opened, (std::vector<std::string>{web, mail, mail, web}));
}
