#include "forms/frmSpecial.h"

#include "PlatformDoubles.h"

#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace dunemark {
namespace {

class frmSpecialTest : public ::testing::Test, protected PlatformDoubles {
protected:
    // The window as the main window shows it, with two labels standing in for the main window's.
    std::unique_ptr<frmSpecial> Open() {
        auto dialog = std::make_unique<frmSpecial>(vars, platform, &mainFavour, &mainCash);
        dialog->show();
        return dialog;
    }

    static void Click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    DeclareVars vars;
    QLabel mainFavour{QStringLiteral("Favour = 0%")};
    QLabel mainCash{QStringLiteral("2,000")};
};

// The panel on show, or -1 unless exactly one is.
int ShownPanel(const frmSpecial& dialog) {
    const QWidget* panels[] = {dialog.picPyramid, dialog.picSlaves, dialog.picGift};
    int shown = -1;
    for (int i = 0; i < 3; ++i) {
        if (panels[i]->isHidden())
            continue;
        if (shown != -1)
            return -1;
        shown = i;
    }
    return shown;
}

// The shown panel must be the one whose tab alone is in italic type.
void ExpectPanel(const frmSpecial& dialog, int panel) {
    EXPECT_EQ(ShownPanel(dialog), panel);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(dialog.cmdButton[i]->font().italic(), i == panel) << i;
}

bool HasCaption(const QWidget* panel, const QString& text) {
    for (const QLabel* label : panel->findChildren<QLabel*>())
        if (label->text() == text)
            return true;
    return false;
}

// The game's own wording, typos included.
TEST_F(frmSpecialTest, ShowsTheGamesTexts) {
    const auto dialog = Open();
    EXPECT_EQ(dialog->cmdButton[2]->text(), "Give gift to Pharoah");
    EXPECT_EQ(dialog->CmdIncreaseJacketSize->text(), "Buy 50 more slaves for 90000");
    const std::pair<QWidget*, const char*> captions[] = {
        {dialog->picGift, "Giving the pharoah gifts will increase his favour towards you and "
                          "cold be profitable in the future."},
        {dialog->picSlaves, "The more slaves you have, the more items you can buy. Each slave is "
                            "responsible for one item."},
        {dialog->picPyramid, "Buying a pyramid bank, will allow you to deposit your money into a "
                             "safe place. You will then receive intrest on what you deposit. You "
                             "can withdraw your money at any time."},
    };
    for (const auto& [panel, text] : captions)
        EXPECT_TRUE(HasCaption(panel, text)) << text;
}

TEST_F(frmSpecialTest, TheFirstPanelAndTheTabsFollowTheBankAndTheSlaveLimit) {
    const struct {
        Boolean bank;
        std::int16_t slaves;
        bool pyramidTab, slavesTab;
        int panel;
    } cases[] = {
        {VbFalse, 100, true, true, 0},
        {VbFalse, 1000, true, false, 0},
        {VbTrue, 950, false, true, 1},
        {VbTrue, 1000, false, false, 2},
    };
    for (const auto& c : cases) {
        vars.HasPyramidBank = c.bank;
        vars.SlaveCount = c.slaves;
        const auto dialog = Open();
        SCOPED_TRACE(testing::Message() << c.bank << " " << c.slaves);
        EXPECT_EQ(dialog->cmdButton[0]->isEnabled(), c.pyramidTab);
        EXPECT_EQ(dialog->cmdButton[1]->isEnabled(), c.slavesTab);
        EXPECT_TRUE(dialog->cmdButton[2]->isEnabled());
        ExpectPanel(*dialog, c.panel);
        for (int tab : {2, 0, 1, 2}) { // a disabled tab leaves the panel shown before
            const int before = ShownPanel(*dialog);
            Click(dialog->cmdButton[tab]);
            ExpectPanel(*dialog, dialog->cmdButton[tab]->isEnabled() ? tab : before);
        }
    }
}

TEST_F(frmSpecialTest, OpensWithTheCheapestGiftAndShowsEachGiftsCostAndFavour) {
    vars.Cash = 1234567;
    vars.SlaveCount = 350;
    const auto dialog = Open();
    EXPECT_TRUE(dialog->OptGift[4]->isChecked());
    EXPECT_EQ(dialog->lblCash->text(), "1,234,567");
    EXPECT_EQ(dialog->txtSlaves->text(), "350");
    EXPECT_EQ(dialog->txtPyramidCost->text(), "5,000");
    EXPECT_TRUE(dialog->cmdOK->isDefault());
    const char* costs[] = {"10,000", "5,000", "2,500", "1,000", "500"};
    const char* gains[] = {"33%", "15%", "8%", "4%", "2%"};
    for (int i : {4, 0, 3, 1, 2}) {
        Click(dialog->OptGift[i]);
        EXPECT_TRUE(dialog->OptGift[i]->isChecked());
        EXPECT_EQ(dialog->lblCost->text(), costs[i]);
        EXPECT_EQ(dialog->lblFav->text(), gains[i]);
        EXPECT_TRUE(QKeySequence::mnemonic(dialog->OptGift[i]->text()).isEmpty()) << i;
    }
}

// A gift given shows at once in the window and the main window's favour, and no other gift can
// follow while the window stays open, only at the next opening; the main window shows its cash
// once the window closes.
TEST_F(frmSpecialTest, AGiftGivenShowsAtOnceAndIsTheOnlyOne) {
    const struct {
        std::int32_t cash;
        std::int16_t favour;
        int gift;
        std::int32_t cashAfter;
        std::int16_t favourAfter;
        const char* cashShown;
    } cases[] = {
        {500, 7, 4, 0, 9, ""}, // cash equal to the cost is enough
        {25000, 90, 0, 15000, 123, "15,000"},
    };
    for (const auto& c : cases) {
        vars.Cash = c.cash;
        vars.Favour = c.favour;
        const auto dialog = Open();
        Click(dialog->cmdButton[2]);
        Click(dialog->OptGift[c.gift]);
        Click(dialog->cmdGiveGift);
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(vars.Cash, c.cashAfter);
        EXPECT_EQ(vars.Favour, c.favourAfter);
        EXPECT_EQ(dialog->lblCash->text(), c.cashShown);
        EXPECT_EQ(mainFavour.text(), QStringLiteral("Favour = %1%").arg(c.favourAfter));
        EXPECT_EQ(mainCash.text(), "2,000");
        EXPECT_FALSE(dialog->cmdGiveGift->isEnabled());
        Click(dialog->OptGift[c.gift == 0 ? 1 : 0]);
        EXPECT_FALSE(dialog->cmdGiveGift->isEnabled());
        EXPECT_TRUE(Open()->cmdGiveGift->isEnabled());
    }
}

// A refused purchase shows its message and changes nothing, and its button can be tried again.
TEST_F(frmSpecialTest, ARefusalIsShownAndChangesNothing) {
    using Button = QPushButton* frmSpecial::*;
    const struct {
        std::int32_t cash;
        std::int16_t slaves;
        Button button;
        ShownMessage said;
    } cases[] = {
        {89999,
         1000,
         &frmSpecial::CmdIncreaseJacketSize, // the money comes before the limit
         {"You seem to be lacking the money", "Dunemark", MsgIcon::Information, MsgButtons::Ok}},
        {4999,
         100,
         &frmSpecial::cmdBuyPyramidBank,
         {"You not got the money", "Dunemark", MsgIcon::None, MsgButtons::Ok}},
        {9999,
         100,
         &frmSpecial::cmdGiveGift,
         {"You haven't got the money, to buy that gift", "Dunemark", MsgIcon::None,
          MsgButtons::Ok}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.said.text);
        messages.shown.clear();
        vars = DeclareVars();
        vars.Cash = c.cash;
        vars.SlaveCount = c.slaves;
        vars.Favour = 20;
        const auto dialog = Open();
        Click(dialog->OptGift[0]);
        Click((*dialog).*c.button);
        EXPECT_EQ(messages.shown, std::vector<ShownMessage>{c.said});
        EXPECT_EQ(vars.Cash, c.cash);
        EXPECT_EQ(vars.Favour, 20);
        EXPECT_EQ(vars.SlaveCount, c.slaves);
        EXPECT_EQ(vars.HasPyramidBank, VbFalse);
        EXPECT_EQ(mainFavour.text(), "Favour = 0%");
        EXPECT_EQ(mainCash.text(), "2,000");
        EXPECT_TRUE(((*dialog).*c.button)->isEnabled());
        ExpectPanel(*dialog, 0);
        if (c.button == &frmSpecial::cmdGiveGift) { // last: a cheaper gift is given
            Click(dialog->OptGift[1]);
            Click(dialog->cmdGiveGift);
            EXPECT_EQ(vars.Favour, 35);
        }
    }
}

TEST_F(frmSpecialTest, SlavesAreBoughtPackAfterPackUpToTheLimit) {
    vars.Cash = 2000000;
    const auto dialog = Open();
    Click(dialog->cmdButton[1]);
    for (int pack = 1; pack <= 18; ++pack)
        Click(dialog->CmdIncreaseJacketSize);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(vars.SlaveCount, 1000);
    EXPECT_EQ(vars.Cash, 380000);
    EXPECT_EQ(dialog->txtSlaves->text(), "1000");
    EXPECT_EQ(mainCash.text(), "380,000");
    EXPECT_EQ(dialog->lblCash->text(), "2,000,000"); // the gift panel keeps its figure
    EXPECT_TRUE(dialog->CmdIncreaseJacketSize->isEnabled());
    ExpectPanel(*dialog, 1);

    Click(dialog->CmdIncreaseJacketSize);
    EXPECT_EQ(messages.shown,
              (std::vector<ShownMessage>{{"There are no more slaves for you to buy", "Dunemark",
                                          MsgIcon::Information, MsgButtons::Ok}}));
    EXPECT_EQ(vars.SlaveCount, 1000);
    EXPECT_EQ(vars.Cash, 380000);
}

TEST_F(frmSpecialTest, ABankBoughtLeadsToTheSlavesPanel) {
    for (std::int16_t slaves : {100, 1000}) {
        SCOPED_TRACE(slaves);
        vars = DeclareVars();
        vars.Cash = 5000;
        vars.SlaveCount = slaves;
        const auto dialog = Open();
        Click(dialog->cmdBuyPyramidBank);
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(vars.HasPyramidBank, VbTrue);
        EXPECT_EQ(vars.Cash, 0);
        EXPECT_FALSE(dialog->cmdButton[0]->isEnabled());
        EXPECT_EQ(dialog->cmdButton[1]->isEnabled(), slaves < 1000);
        ExpectPanel(*dialog, 1);
    }
}

TEST_F(frmSpecialTest, EnterPressesOkWhereverTheFocusIs) {
    for (int focus = 0; focus < 3; ++focus) {
        frmSpecial dialog(vars, platform, &mainFavour, &mainCash);
        const int result = Drive(dialog, [&](frmSpecial& shown) {
            QWidget* const places[] = {shown.cmdButton[2], shown.cmdBuyPyramidBank,
                                       shown.txtPyramidCost};
            places[focus]->setFocus();
            QTest::keyClick(places[focus], Qt::Key_Return);
            EXPECT_FALSE(shown.isVisible()) << focus;
        });
        EXPECT_EQ(result, QDialog::Accepted) << focus;
        ExpectPanel(dialog, 0); // no tab was pressed on the way
    }
    EXPECT_EQ(vars.HasPyramidBank, VbFalse);
}

} // namespace
} // namespace dunemark
