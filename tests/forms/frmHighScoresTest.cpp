#include "forms/frmHighScores.h"

#include "forms/EndOfGameFixture.h"
#include "forms/Look.h"
#include "platform/qt/QtSettingsStore.h"
#include "support/TempSettingsDir.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace dunemark {
namespace {

class frmHighScoresTest : public EndOfGameFixture {
protected:
    void Show(const std::function<void(frmHighScores&)>& script) {
        Open<frmHighScores>(script, vars, platform);
    }
    void Store(const std::string& key, const std::string& value) {
        settings.values[{"Dunemark", "Scores", key}] = value;
    }
    // What a label stands for: its text, or the whole text in its tool tip when it is cut short.
    static QString FullText(const QLabel* label) {
        return label->toolTip().isEmpty() ? label->text() : label->toolTip();
    }
    static QStringList Column(const frmHighScores::Column& labels) {
        QStringList texts;
        for (const QLabel* label : labels)
            texts << label->text();
        return texts;
    }
};

TEST_F(frmHighScoresTest, AnEmptyStoreShowsTenDefaultRowsWithoutAskingAName) {
    Show([](frmHighScores& window) {
        EXPECT_EQ(Column(window.lblHighNum), (QStringList{"1.", "2. ", "3. ", "4. ", "5. ", "6. ",
                                                          "7. ", "8. ", "9. ", "10. "}));
        EXPECT_EQ(Column(window.lblHighName), QStringList(10, QStringLiteral("Nobody")));
        EXPECT_EQ(Column(window.lblHighDate), QStringList(10, QStringLiteral("00/00/00")));
        EXPECT_EQ(Column(window.lblHighTime), QStringList(10, QStringLiteral("100")));
    });
    EXPECT_TRUE(input.asked.empty());
    EXPECT_TRUE(settings.values.empty());
}

TEST_F(frmHighScoresTest, ANewTotalIsAskedForBeforeTheWindowShowsAndThenShownInItsRow) {
    Store("Name0", "Ann");
    Store("Date0", "1/2/26");
    Store("Time0", "2500000");
    Store("Name1", "Bob");
    Store("Date1", "1/3/26");
    Store("Time1", "150");
    vars.FinalScore = 10000;
    input.answer = "Cleo";
    clock.date = "6/12/26";

    Show([](frmHighScores& window) {
        EXPECT_EQ(Column(window.lblHighName).mid(0, 4),
                  (QStringList{"Ann", "Cleo", "Bob", "Nobody"}));
        EXPECT_EQ(Column(window.lblHighDate).mid(0, 3),
                  (QStringList{"1/2/26", "6/12/26", "1/3/26"}));
        EXPECT_EQ(Column(window.lblHighTime).mid(0, 4),
                  (QStringList{"2,500,000", "10,000", "150", "100"}));
    });
    ASSERT_EQ(input.asked.size(), 1u);
    EXPECT_EQ(input.asked[0].prompt, "Whats your name?");
    EXPECT_EQ(input.asked[0].title, "You've got a highscore");
    EXPECT_FALSE(input.asked[0].windowShown);
    EXPECT_EQ(vars.FinalScore, 10000); // the game over routine clears it, not the window

    // Opened again from the menu: the same table, no question.
    vars.FinalScore = 0;
    Show([](frmHighScores& window) { EXPECT_EQ(window.lblHighName[1]->text(), "Cleo"); });
    EXPECT_EQ(input.asked.size(), 1u);
}

TEST_F(frmHighScoresTest, ANegativeTotalShowsWithItsMinusSign) {
    Store("Name0", "Dan");
    Store("Time0", "-20");
    vars.FinalScore = -100; // what a game that ended in debt leaves for the menu
    Show([](frmHighScores& window) {
        EXPECT_EQ(window.lblHighName[0]->text(), QStringLiteral("Dan"));
        EXPECT_EQ(window.lblHighTime[0]->text(), QStringLiteral("-20"));
        EXPECT_EQ(window.lblHighDate[0]->text(), QString());
    });
}

TEST_F(frmHighScoresTest, RowsStandUnderEachOtherInTheirColumns) {
    Show([](frmHighScores& window) {
        const struct {
            const frmHighScores::Column& labels;
            int left;
        } columns[] = {
            {window.lblHighNum, 24},
            {window.lblHighName, 56},
            {window.lblHighDate, 168},
            {window.lblHighTime, 240},
        };
        for (const auto& column : columns) {
            for (int r = 0; r < 10; ++r) {
                const QLabel* label = column.labels[r];
                EXPECT_TRUE(label->isVisible());
                EXPECT_EQ(label->pos(), QPoint(column.left, 40 + 21 * r)) << r;
                EXPECT_EQ(label->height(), 19);
                EXPECT_EQ(label->width(), label->sizeHint().width());
                EXPECT_EQ(label->font().family(), Arial(12, true).family());
                EXPECT_TRUE(label->font().bold());
                EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 12.0);
                EXPECT_FALSE(label->autoFillBackground()); // the picture shows through
            }
        }
    });
}

TEST_F(frmHighScoresTest, ATextTooLongForItsColumnIsCutShortOnOneLine) {
    const std::string longName = "Amenhotep the Magnificent, Lord of the Two Lands";
    Store("Name0", longName);
    Store("Date0", "Wednesday, 24 December 2026");
    Store("Time0", "5000");
    Store("Name1", "two\r\nlines");
    Store("Time1", "4000");
    Show([&](frmHighScores& window) {
        const QLabel* name = window.lblHighName[0];
        EXPECT_TRUE(name->text().endsWith(QChar(0x2026))) << name->text().toStdString();
        EXPECT_EQ(name->toolTip(), QString::fromStdString(longName));
        EXPECT_LE(name->geometry().right(), window.lblHighDate[0]->x());
        EXPECT_LE(window.lblHighDate[0]->geometry().right(), window.lblHighTime[0]->x());
        EXPECT_EQ(window.lblHighName[1]->text(), QStringLiteral("two  lines"));
        EXPECT_EQ(window.lblHighName[1]->toolTip(), QStringLiteral("two\r\nlines"));
        EXPECT_EQ(window.lblHighName[2]->text(), QStringLiteral("Nobody"));
        EXPECT_TRUE(window.lblHighName[2]->toolTip().isEmpty());
    });
}

TEST_F(frmHighScoresTest, EachRowIsAStepDarkerThanTheOneAbove) {
    const struct {
        int row;
        QColor num, name, date, time;
    } cases[] = {
        {0, {100, 255, 0}, {255, 255, 0}, {100, 100, 255}, {255, 255, 255}},
        {1, {100, 240, 0}, {240, 240, 0}, {100, 100, 240}, {240, 240, 240}},
        {9, {100, 120, 0}, {120, 120, 0}, {100, 100, 120}, {120, 120, 120}},
    };
    Show([&](frmHighScores& window) {
        const auto colour = [](const QLabel* label) {
            return label->palette().color(QPalette::WindowText);
        };
        for (const auto& c : cases) {
            EXPECT_EQ(colour(window.lblHighNum[c.row]), c.num) << c.row;
            EXPECT_EQ(colour(window.lblHighName[c.row]), c.name) << c.row;
            EXPECT_EQ(colour(window.lblHighDate[c.row]), c.date) << c.row;
            EXPECT_EQ(colour(window.lblHighTime[c.row]), c.time) << c.row;
        }
    });
}

TEST_F(frmHighScoresTest, LooksAsDesigned) {
    Show([](frmHighScores& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Highscores"));
        EXPECT_EQ(window.size(), QSize(330, 300));
        EXPECT_EQ(window.minimumSize(), window.maximumSize());
        EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);

        EXPECT_EQ(window.imgHighScores->geometry(), QRect(0, 0, 330, 300));
        if (QFile::exists(QStringLiteral(":/assets/highscores.svg")))
            EXPECT_FALSE(window.imgHighScores->pixmap().isNull());
        else // a dark fill instead of the picture
            EXPECT_LT(window.imgHighScores->palette().color(QPalette::Window).lightness(), 64);

        EXPECT_EQ(window.Label1->text(), QStringLiteral("HIGHSCORES"));
        EXPECT_EQ(window.Label1->geometry(), QRect(88, 0, 168, 30));
        EXPECT_TRUE(window.Label1->font().bold());
        EXPECT_TRUE(window.Label1->font().underline());
        EXPECT_DOUBLE_EQ(window.Label1->font().pointSizeF(), 15.75);
        EXPECT_EQ(window.Label1->palette().color(QPalette::WindowText), QColor(255, 0, 0));

        EXPECT_EQ(window.cmdHideScores->text(), QStringLiteral("Close"));
        EXPECT_EQ(window.cmdHideScores->geometry(), QRect(112, 264, 105, 25));
    });
}

TEST_F(frmHighScoresTest, CloseClosesIt) {
    Show([](frmHighScores& window) {
        QTest::mouseClick(window.cmdHideScores, Qt::LeftButton);
        EXPECT_FALSE(window.isVisible());
    });
}

TEST_F(frmHighScoresTest, ANameOfAnyCharactersComesBackFromTheRealStoreExactly) {
    TempSettingsDir dir;
    QtSettingsStore realStore;
    Platform real{messages, input, realStore, clock, random, links, modal};
    const std::string name = "  O'Neil, \"Jr\" = [#1]; \\ Ωμέγα  ";
    input.answer = name;
    vars.FinalScore = 5000;
    Open<frmHighScores>([](frmHighScores&) {}, vars, real);

    dir.Reopen();
    vars.FinalScore = 0;
    Open<frmHighScores>(
        [&](frmHighScores& window) {
            EXPECT_EQ(FullText(window.lblHighName[0]), QString::fromStdString(name));
            EXPECT_EQ(window.lblHighTime[0]->text(), QStringLiteral("5,000"));
            EXPECT_EQ(window.lblHighName[1]->text(), QStringLiteral("Nobody"));
        },
        vars, real);
    EXPECT_EQ(input.asked.size(), 1u);
}

} // namespace
} // namespace dunemark
