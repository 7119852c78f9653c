#include "forms/frmHighScores.h"

#include "PlatformDoubles.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace dunemark {
namespace {

// Ranking and storing are the table's business; here, what the window shows and when it asks.
class frmHighScoresTest : public ::testing::Test, protected PlatformDoubles {
protected:
    void Show(const std::function<void(frmHighScores&)>& script) {
        frmHighScores window(vars, platform);
        Drive(window, script);
    }
    void StorePlace(int k, const std::string& name, const std::string& date,
                    const std::string& total) {
        const std::string place = std::to_string(k);
        settings.values[{"Dunemark", "Scores", "Name" + place}] = name;
        settings.values[{"Dunemark", "Scores", "Date" + place}] = date;
        settings.values[{"Dunemark", "Scores", "Time" + place}] = total;
    }
    static QStringList Column(const frmHighScores::Column& labels, int rows = 10) {
        QStringList texts;
        for (int r = 0; r < rows; ++r)
            texts << labels[r]->text();
        return texts;
    }

    DeclareVars vars;
};

TEST_F(frmHighScoresTest, AnEmptyStoreShowsTenDefaultRowsWithoutAskingAName) {
    Show([](frmHighScores& window) {
        EXPECT_EQ(Column(window.lblHighNum), (QStringList{"1.", "2. ", "3. ", "4. ", "5. ", "6. ",
                                                          "7. ", "8. ", "9. ", "10. "}));
        EXPECT_EQ(Column(window.lblHighName), QStringList(10, QStringLiteral("Nobody")));
        EXPECT_EQ(Column(window.lblHighDate), QStringList(10, QStringLiteral("00/00/00")));
        EXPECT_EQ(Column(window.lblHighTime), QStringList(10, QStringLiteral("100")));
        QTest::mouseClick(window.cmdHideScores, Qt::LeftButton);
        EXPECT_FALSE(window.isVisible());
    });
    EXPECT_TRUE(input.asked.empty());
    EXPECT_TRUE(settings.values.empty());
}

TEST_F(frmHighScoresTest, ANewTotalIsAskedForBeforeTheWindowShowsAndThenShownInItsRow) {
    StorePlace(0, "Ann", "1/2/26", "2500000");
    StorePlace(1, "Bob", "1/3/26", "150");
    StorePlace(2, "Dan", "", "-20");
    vars.FinalScore = 10000;
    input.answers = {"Cleo"};
    clock.date = "6/12/26";
    bool windowShownWhenAsked = false;
    input.onAsk = [&](const FakeInputBox::Prompt&) {
        for (const QWidget* window : QApplication::topLevelWidgets())
            windowShownWhenAsked = windowShownWhenAsked || window->isVisible();
    };

    Show([](frmHighScores& window) {
        EXPECT_EQ(Column(window.lblHighName, 5),
                  (QStringList{"Ann", "Cleo", "Bob", "Dan", "Nobody"}));
        EXPECT_EQ(Column(window.lblHighDate, 4), (QStringList{"1/2/26", "6/12/26", "1/3/26", ""}));
        EXPECT_EQ(Column(window.lblHighTime, 5),
                  (QStringList{"2,500,000", "10,000", "150", "-20", "100"}));
    });
    ASSERT_EQ(input.asked.size(), 1u);
    EXPECT_EQ(input.asked[0].prompt, "Whats your name?");
    EXPECT_EQ(input.asked[0].title, "You've got a highscore");
    EXPECT_FALSE(windowShownWhenAsked);
    EXPECT_EQ(vars.FinalScore, 10000); // the game over routine clears it, not the window

    // Opened again with a total that earns no place: the same table, no question.
    vars.FinalScore = -100;
    Show([](frmHighScores& window) { EXPECT_EQ(window.lblHighName[1]->text(), "Cleo"); });
    EXPECT_EQ(input.asked.size(), 1u);
}

TEST_F(frmHighScoresTest, ATextTooLongForItsColumnIsCutShortOnOneLine) {
    const std::string longName = "Amenhotep the Magnificent, Lord of the Two Lands";
    StorePlace(0, longName, "Wednesday, 24 December 2026", "5000");
    StorePlace(1, "two\r\nlines", "", "4000");
    Show([&](frmHighScores& window) {
        const QLabel* name = window.lblHighName[0];
        EXPECT_TRUE(name->text().endsWith(QChar(0x2026))) << name->text().toStdString();
        EXPECT_TRUE(name->toolTip().contains(QString::fromStdString(longName)));
        EXPECT_LE(name->geometry().right(), window.lblHighDate[0]->x());
        EXPECT_LE(window.lblHighDate[0]->geometry().right(), window.lblHighTime[0]->x());
        EXPECT_EQ(window.lblHighName[1]->text(), QStringLiteral("two  lines"));
        EXPECT_TRUE(window.lblHighName[1]->toolTip().contains(QStringLiteral("two  lines")));
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

} // namespace
} // namespace dunemark
