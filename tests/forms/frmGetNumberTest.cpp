#include "forms/frmGetNumber.h"

#include "forms/SvgPicture.h"
#include "platform/doubles/ScriptedModalShower.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace dunemark {
namespace {

class GetNumberTest : public ::testing::Test {
protected:
    // Shows the dialog as a caller does and returns what it handed back. `before` is what the
    // caller left in AmountEntered, to tell "set to 0" from "left alone".
    std::int32_t Ask(std::int32_t limit, ScriptedModalShower::Script script,
                     std::int32_t before = 0) {
        vars.AmountLimit = limit;
        vars.AmountEntered = before;
        frmGetNumber dialog(vars);
        shower.scripts.push_back(std::move(script));
        shower.ShowModal(dialog);
        EXPECT_FALSE(dialog.isVisible());
        return vars.AmountEntered;
    }

    DeclareVars vars;
    ScriptedModalShower shower;
};

frmGetNumber& AsGetNumber(QDialog& dialog) {
    return dynamic_cast<frmGetNumber&>(dialog);
}

TEST_F(GetNumberTest, OpensProposingTheLimitUnselectedInTheFocusedBox) {
    const std::int32_t entered = Ask(2000, [](QDialog& dialog) {
        frmGetNumber& form = AsGetNumber(dialog);
        EXPECT_EQ(form.txtMoney->text(), "2000");
        EXPECT_FALSE(form.txtMoney->hasSelectedText());
        EXPECT_EQ(form.focusWidget(), form.txtMoney);
        EXPECT_TRUE(form.cmdOK->isDefault());
        form.cmdOK->click();
    });
    EXPECT_EQ(entered, 2000);
    EXPECT_EQ(shower.shownTitles, std::vector<QString>{"Financial situation"});
    EXPECT_EQ(frmGetNumber(vars).Image1->ResourcePath(), ":/assets/amount_deco.svg");
}

// How a pasted text is read: the box keeps a number from 0 to the limit, and OK hands back
// its whole part.
struct PasteCase {
    std::int32_t limit;
    const char* pasted;
    const char* shown;
    std::int32_t entered;
};

TEST_F(GetNumberTest, KeepsAPastedAmountBetweenZeroAndTheLimit) {
    const PasteCase cases[] = {
        {2000, "5000", "2000", 2000},
        {2000, "-50", "0", 0},
        {2000, "abc", "0", 0},
        {2000, "1,500", "1", 1},
        {100, "99.9", "99.9", 99},
        {100, "100.5", "100", 100},
        {100, "100", "100", 100},
        {5000, "2e3", "2000", 2000},
        {0, "7", "0", 0},
        {2000, "", "0", 0},
        {2000, " 12 x", "12", 12},
        {2000, "0.5", "0.5", 0},
        {2147483647, "1e99", "2147483647", 2147483647},
    };
    for (const PasteCase& c : cases) {
        QString shown;
        const std::int32_t entered = Ask(c.limit, [&](QDialog& dialog) {
            frmGetNumber& form = AsGetNumber(dialog);
            form.txtMoney->setText(QString::fromUtf8(c.pasted));
            shown = form.txtMoney->text();
            form.cmdOK->click();
        });
        EXPECT_EQ(shown.toStdString(), c.shown) << c.pasted << " within " << c.limit;
        EXPECT_EQ(entered, c.entered) << c.pasted << " within " << c.limit;
    }
}

// Typing goes through the same rule one key at a time.
struct TypeCase {
    std::int32_t limit;
    const char* start; // the text typed into, `|` marking the caret; "*" is the proposal selected
    const char* typed;
    const char* shown;
};

TEST_F(GetNumberTest, KeepsATypedAmountBetweenZeroAndTheLimit) {
    const TypeCase cases[] = {
        {2000, "*", "5000", "2000"},   {2000, "*", "150", "150"},         {0, "*", "7", "0"},
        {2000, "*", "-5", "5"},        {100, "99|", "9", "100"},          {2000, "12|", ".", "12"},
        {2000, "15|05", ".", "15.05"}, {2000, "2000|", "\b\b\b\b3", "3"},
    };
    for (const TypeCase& c : cases) {
        QString shown;
        Ask(c.limit, [&](QDialog& dialog) {
            QLineEdit* box = AsGetNumber(dialog).txtMoney;
            const QString start = QString::fromUtf8(c.start);
            if (start == "*") {
                box->selectAll();
            } else {
                box->setText(QString(start).remove('|'));
                box->setCursorPosition(static_cast<int>(start.indexOf('|')));
            }
            QTest::keyClicks(box, QString::fromUtf8(c.typed));
            shown = box->text();
        });
        EXPECT_EQ(shown.toStdString(), c.shown) << c.start << " + " << c.typed;
    }
}

TEST_F(GetNumberTest, EnterPressesOkWithTheWholeAmount) {
    const std::int32_t entered = Ask(2000, [](QDialog& dialog) {
        QLineEdit* box = AsGetNumber(dialog).txtMoney;
        box->setText("1505");
        box->setCursorPosition(2);
        QTest::keyClick(box, Qt::Key_Period);
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(entered, 15);
}

TEST_F(GetNumberTest, CancelAndEscapeHandBackZeroTheCloseBoxLeavesTheCallersValue) {
    constexpr std::int32_t callers = 77;
    EXPECT_EQ(Ask(
                  2000, [](QDialog& dialog) { AsGetNumber(dialog).cmdCancel->click(); }, callers),
              0);
    EXPECT_EQ(Ask(
                  2000, [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }, callers),
              0);
    EXPECT_EQ(Ask(
                  2000,
                  [](QDialog& dialog) {
                      QTest::keyClicks(AsGetNumber(dialog).txtMoney, "5");
                      QTest::keyClick(AsGetNumber(dialog).txtMoney, Qt::Key_Escape);
                  },
                  callers),
              0);
    EXPECT_EQ(Ask(
                  2000, [](QDialog& dialog) { dialog.close(); }, callers),
              callers);
}

} // namespace
} // namespace dunemark
