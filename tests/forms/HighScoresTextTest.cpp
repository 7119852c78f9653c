#include "PlatformDoubles.h"
#include "forms/FitLabel.h"
#include "forms/frmHighScores.h"

#include <QLocale>
#include <QTextDocumentFragment>
#include <gtest/gtest.h>
#include <limits>

namespace dunemark {
namespace {

// A locale, and a date of ten characters as it writes one.
class HighScoresTextTest : public ::testing::TestWithParam<std::pair<const char*, const char*>>,
                           protected PlatformDoubles {};

TEST_P(HighScoresTextTest, TheWidestEntryShowsWholeAndStoredNamesShowAsPlainText) {
    const std::string image = "<img src=\"/dev/zero\"> is a name far too long to show in a row";
    const std::string stored[] = {"<b>x</b>", image, std::string(1 << 20, 'A')}; // a megabyte
    for (int k = 0; k < 3; ++k) {
        settings.values[{"Dunemark", "Scores", "Name" + std::to_string(k)}] = stored[k];
        settings.values[{"Dunemark", "Scores", "Time" + std::to_string(k)}] = "5000";
    }
    const QString name = QStringLiteral("Nebmaatre Amenhotep Heqawaset, of Wailey"); // 40 long
    DeclareVars vars;
    vars.FinalScore = std::numeric_limits<std::int32_t>::max();
    input.answers = {name.toStdString()};
    clock.date = GetParam().second;
    const QLocale before;
    QLocale::setDefault(QLocale(GetParam().first));
    frmHighScores window(vars, platform);
    QLocale::setDefault(before);

    const QStringList whole = {name, GetParam().second, QStringLiteral("2,147,483,647")};
    const QLabel* row[] = {window.lblHighName[0], window.lblHighDate[0], window.lblHighTime[0]};
    int edge = window.lblHighNum[9]->geometry().right();
    for (int c = 0; c < 3; ++c) {
        const QFontMetricsF drawn(static_cast<const FitLabel*>(row[c])->FittedFont());
        EXPECT_EQ(row[c]->text(), whole[c]);
        EXPECT_LE(drawn.horizontalAdvance(whole[c]), row[c]->width()) << c;
        EXPECT_GT(row[c]->x(), edge) << c;
        edge = row[c]->geometry().right();
    }
    EXPECT_LT(edge, window.width());
    EXPECT_EQ(window.lblHighName[1]->text(), QStringLiteral("<b>x</b>"));
    EXPECT_EQ(window.lblHighName[1]->textFormat(), Qt::PlainText);
    EXPECT_TRUE(window.lblHighName[2]->text().endsWith(QChar(0x2026)));
    // A tool tip is read as markup: it shows the text, not what it would make.
    EXPECT_EQ(QTextDocumentFragment::fromHtml(window.lblHighName[2]->toolTip()).toPlainText(),
              QString::fromStdString(image));
    EXPECT_LT(window.lblHighName[3]->toolTip().size(), 1000); // not the whole megabyte
}

INSTANTIATE_TEST_SUITE_P(Locales, HighScoresTextTest,
                         ::testing::Values(std::pair("en_US", "12/06/2026"),
                                           std::pair("en_GB", "06/12/2026")));

} // namespace
} // namespace dunemark
