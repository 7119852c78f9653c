#include "forms/frmGetNumber.h"

#include "PlatformDoubles.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace dunemark {
namespace {

// How the box reads a text is the number box's rule; here, what the dialog adds: the proposal,
// typing, and what it hands back.
class GetNumberTest : public ::testing::Test, protected PlatformDoubles {
protected:
    // Shows the dialog as a caller does and returns what it handed back. `before` is what the
    // caller left in AmountEntered, to tell "set to 0" from "left alone".
    std::int32_t Ask(std::int32_t limit, const std::function<void(frmGetNumber&)>& script,
                     std::int32_t before = 0) {
        vars.AmountLimit = limit;
        vars.AmountEntered = before;
        frmGetNumber dialog(vars);
        Drive(dialog, script);
        EXPECT_FALSE(dialog.isVisible());
        return vars.AmountEntered;
    }

    DeclareVars vars;
};

TEST_F(GetNumberTest, OpensProposingTheLimitUnselectedInTheFocusedBox) {
    const std::int32_t entered = Ask(2000, [](frmGetNumber& form) {
        EXPECT_EQ(form.windowTitle(), "Financial situation");
        EXPECT_EQ(form.txtMoney->text(), "2000");
        EXPECT_FALSE(form.txtMoney->hasSelectedText());
        EXPECT_EQ(form.focusWidget(), form.txtMoney);
        EXPECT_TRUE(form.cmdOK->isDefault());
        form.cmdOK->click();
    });
    EXPECT_EQ(entered, 2000);
}

// The box keeps a number from 0 to the limit, and OK hands back its whole part.
TEST_F(GetNumberTest, OkHandsBackTheWholePartOfAPastedAmount) {
    const struct {
        std::int32_t limit;
        const char* pasted;
        const char* shown;
        std::int32_t entered;
    } cases[] = {
        {2000, "5000", "2000", 2000},
        {2000, "-50", "0", 0},
        {2000, "abc", "0", 0},
        {100, "99.9", "99.9", 99},
        {100, "100.5", "100", 100},
        {2000, "0.5", "0.5", 0},
        {2000, " 12 x", "12", 12},
        {0, "7", "0", 0},
        {2147483647, "1e99", "2147483647", 2147483647},
    };
    for (const auto& c : cases) {
        QString shown;
        const std::int32_t entered = Ask(c.limit, [&](frmGetNumber& form) {
            form.txtMoney->setText(QString::fromUtf8(c.pasted));
            shown = form.txtMoney->text();
            form.cmdOK->click();
        });
        EXPECT_EQ(shown.toStdString(), c.shown) << c.pasted << " within " << c.limit;
        EXPECT_EQ(entered, c.entered) << c.pasted << " within " << c.limit;
    }
}

// Typing goes through the same rule one key at a time.
TEST_F(GetNumberTest, KeepsATypedAmountBetweenZeroAndTheLimit) {
    const struct {
        std::int32_t limit;
        const char*
            start; // the text typed into, `|` marking the caret; "*" is the proposal selected
        const char* typed;
        const char* shown;
    } cases[] = {
        {2000, "*", "5000", "2000"},   {2000, "*", "150", "150"},         {0, "*", "7", "0"},
        {2000, "*", "-5", "5"},        {100, "99|", "9", "100"},          {2000, "12|", ".", "12"},
        {2000, "15|05", ".", "15.05"}, {2000, "2000|", "\b\b\b\b3", "3"},
    };
    for (const auto& c : cases) {
        QString shown;
        Ask(c.limit, [&](frmGetNumber& form) {
            QLineEdit* box = form.txtMoney;
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

TEST_F(GetNumberTest, CancelAndEscapeHandBackZeroTheCloseBoxLeavesTheCallersValue) {
    const struct {
        const char* what;
        std::function<void(frmGetNumber&)> leave;
        std::int32_t entered;
    } cases[] = {
        {"Cancel", [](frmGetNumber& form) { form.cmdCancel->click(); }, 0},
        {"Escape", [](frmGetNumber& form) { QTest::keyClick(&form, Qt::Key_Escape); }, 0},
        {"Escape after typing",
         [](frmGetNumber& form) {
             QTest::keyClicks(form.txtMoney, "5");
             QTest::keyClick(form.txtMoney, Qt::Key_Escape);
         },
         0},
        {"the close box", [](frmGetNumber& form) { form.close(); }, 77},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Ask(2000, c.leave, 77), c.entered) << c.what;
}

} // namespace
} // namespace dunemark
