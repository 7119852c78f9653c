#include "PlatformDoubles.h"
#include "forms/FitLabel.h"
#include "forms/frmHighScores.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLocale>
#include <QTextDocumentFragment>
#include <gtest/gtest.h>
#include <limits>

namespace dunemark {
namespace {

// What a reader sees of a label's text or tool tip: markup is read as Qt reads it.
QString Seen(const QString& text, Qt::TextFormat format) {
    const bool markup =
        format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text));
    return markup ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

struct LocaleCase {
    const char* locale;
    const char* date; // ten characters, the way the locale writes a date
};

class HighScoresTextTest : public ::testing::TestWithParam<LocaleCase>, protected PlatformDoubles {
protected:
    void StorePlace(int k, const std::string& name, const std::string& date) {
        const std::string place = std::to_string(k);
        settings.values[{"Dunemark", "Scores", "Name" + place}] = name;
        settings.values[{"Dunemark", "Scores", "Date" + place}] = date;
        settings.values[{"Dunemark", "Scores", "Time" + place}] = std::to_string(5000 - k);
    }
    DeclareVars vars;
};

TEST_P(HighScoresTextTest, TheWidestEntryShowsWholeAndColumnsKeepApart) {
    const QLocale before;
    QLocale::setDefault(QLocale(GetParam().locale));
    const QString name =
        QStringLiteral("Nebmaatre Amenhotep Heqawaset, of Wailey"); // 40 characters
    vars.FinalScore = std::numeric_limits<std::int32_t>::max();
    input.answers = {name.toStdString()};
    clock.date = GetParam().date;
    frmHighScores window(vars, platform);
    QLocale::setDefault(before);

    const QStringList whole = {name, GetParam().date, QStringLiteral("2,147,483,647")};
    const frmHighScores::Column* columns[] = {&window.lblHighName, &window.lblHighDate,
                                              &window.lblHighTime};
    int edge = window.lblHighNum[9]->geometry().right();
    for (int c = 0; c < 3; ++c) {
        const auto* label = static_cast<const FitLabel*>((*columns[c])[0]);
        EXPECT_EQ(label->text(), whole[c]);
        EXPECT_LE(QFontMetricsF(label->FittedFont()).horizontalAdvance(label->text()),
                  label->contentsRect().width());
        EXPECT_GT(label->x(), edge) << c;
        edge = label->geometry().right();
    }
    EXPECT_LT(edge, window.width());
}

INSTANTIATE_TEST_SUITE_P(Locales, HighScoresTextTest,
                         ::testing::Values(LocaleCase{"en_US", "12/06/2026"},
                                           LocaleCase{"en_GB", "06/12/2026"}));

TEST_F(HighScoresTextTest, NamesAndDatesAreShownAsPlainTextAndAtMostAScreenful) {
    const std::string image = "<img src=\"/dev/zero\"> is a name far too long to show in a row";
    StorePlace(0, "<b>x</b>", "<i>1/1</i>");
    StorePlace(1, image, "");
    StorePlace(2, std::string(1 << 20, 'A'), ""); // a megabyte
    frmHighScores window(vars, platform);

    const QLabel* name = window.lblHighName[0];
    EXPECT_EQ(Seen(name->text(), name->textFormat()), QStringLiteral("<b>x</b>"));
    const QLabel* date = window.lblHighDate[0];
    EXPECT_EQ(Seen(date->text(), date->textFormat()), QStringLiteral("<i>1/1</i>"));
    const QLabel* cut = window.lblHighName[1];
    EXPECT_TRUE(cut->text().endsWith(QChar(0x2026)));
    EXPECT_EQ(Seen(cut->toolTip(), Qt::AutoText), QString::fromStdString(image));
    EXPECT_LT(window.lblHighName[2]->toolTip().size(), 1000);
}

} // namespace
} // namespace dunemark
