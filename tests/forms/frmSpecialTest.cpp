#include "forms/frmSpecial.h"

#include "PlatformDoubles.h"
#include "forms/Look.h"

#include <QFrame>
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

    // Opens the window through the modal shower, runs `script` on it and lets it close.
    void OpenAndRun(const std::function<void(frmSpecial&)>& script) {
        modal.scripts.push_back([&](QDialog& dialog) { script(static_cast<frmSpecial&>(dialog)); });
        frmSpecial dialog(vars, platform, &mainFavour, &mainCash);
        platform.modal.ShowModal(dialog);
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

// The tab in italic type, or -1 unless exactly one is.
int ItalicTab(const frmSpecial& dialog) {
    int italic = -1;
    for (int i = 0; i < 3; ++i) {
        if (!dialog.cmdButton[i]->font().italic())
            continue;
        if (italic != -1)
            return -1;
        italic = i;
    }
    return italic;
}

void ExpectPanel(const frmSpecial& dialog, int panel) {
    EXPECT_EQ(ShownPanel(dialog), panel);
    EXPECT_EQ(ItalicTab(dialog), panel);
}

bool HasCaption(const QWidget* panel, const QString& text) {
    for (const QLabel* label : panel->findChildren<QLabel*>())
        if (label->text() == text)
            return true;
    return false;
}

TEST_F(frmSpecialTest, OpensWithTheCheapestGiftAndTheFiguresOfTheGame) {
    vars.Cash = 1234567;
    vars.SlaveCount = 350;
    const auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), "Special items");
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_EQ(dialog->cmdButton[0]->text(), "Buy a Pyramid Bank");
    EXPECT_EQ(dialog->cmdButton[1]->text(), "Buy more slaves");
    EXPECT_EQ(dialog->cmdButton[2]->text(), "Give gift to Pharoah");

    const char* names[] = {"Gold Statue", "Silver Statue", "Gems", "Scrolls", "Food && water"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(dialog->OptGift[i]->text(), names[i]);
        EXPECT_EQ(dialog->OptGift[i]->isChecked(), i == 4);
        EXPECT_TRUE(QKeySequence::mnemonic(dialog->OptGift[i]->text()).isEmpty()) << i;
    }
    EXPECT_EQ(dialog->lblCost->text(), "500");
    EXPECT_EQ(dialog->lblFav->text(), "2%");
    EXPECT_EQ(dialog->lblCash->text(), "1,234,567");
    EXPECT_EQ(dialog->txtSlaves->text(), "350");
    EXPECT_EQ(dialog->txtPyramidCost->text(), "5,000");
    EXPECT_EQ(dialog->CmdIncreaseJacketSize->text(), "Buy 50 more slaves for 90000");
    EXPECT_EQ(dialog->cmdBuyPyramidBank->text(), "Buy");
    EXPECT_EQ(dialog->cmdGiveGift->text(), "Give Gift");
    EXPECT_TRUE(dialog->cmdGiveGift->isEnabled());
    EXPECT_EQ(dialog->cmdOK->text(), "OK");
    EXPECT_TRUE(dialog->cmdOK->isDefault());

    EXPECT_TRUE(HasCaption(dialog->picGift,
                           "Giving the pharoah gifts will increase his favour towards you and "
                           "cold be profitable in the future."));
    EXPECT_TRUE(HasCaption(dialog->picSlaves, "The more slaves you have, the more items you can "
                                              "buy. Each slave is responsible for one item."));
    EXPECT_TRUE(HasCaption(dialog->picPyramid,
                           "Buying a pyramid bank, will allow you to deposit your money into a "
                           "safe place. You will then receive intrest on what you deposit. You "
                           "can withdraw your money at any time."));
    EXPECT_TRUE(HasCaption(dialog->picGift, "Favour will increase by:"));
    EXPECT_TRUE(HasCaption(dialog->picSlaves, "You currently have:"));
}

TEST_F(frmSpecialTest, TheFiguresStandInGreenBoxes) {
    const auto dialog = Open();
    const std::pair<QLabel*, QColor> boxes[] = {{dialog->lblCost, colours::White},
                                                {dialog->lblFav, colours::White},
                                                {dialog->lblCash, colours::Green}};
    for (const auto& [box, text] : boxes) {
        EXPECT_EQ(box->palette().color(QPalette::Window), colours::DarkGreen);
        EXPECT_EQ(box->palette().color(QPalette::WindowText), text);
        EXPECT_TRUE(box->alignment() & Qt::AlignRight);
        EXPECT_NE(box->frameShape(), QFrame::NoFrame);
    }
}

TEST_F(frmSpecialTest, TheFirstPanelFollowsTheBankAndTheSlaveLimit) {
    struct Case {
        Boolean bank;
        std::int16_t slaves;
        bool pyramidTab, slavesTab;
        int panel;
    };
    const Case cases[] = {
        {VbFalse, 100, true, true, 0},
        {VbFalse, 1000, true, false, 0},
        {VbTrue, 950, false, true, 1},
        {VbTrue, 1000, false, false, 2},
    };
    for (const Case& c : cases) {
        vars.HasPyramidBank = c.bank;
        vars.SlaveCount = c.slaves;
        const auto dialog = Open();
        SCOPED_TRACE(testing::Message() << c.bank << " " << c.slaves);
        EXPECT_EQ(dialog->cmdButton[0]->isEnabled(), c.pyramidTab);
        EXPECT_EQ(dialog->cmdButton[1]->isEnabled(), c.slavesTab);
        EXPECT_TRUE(dialog->cmdButton[2]->isEnabled());
        ExpectPanel(*dialog, c.panel);
    }
}

TEST_F(frmSpecialTest, EachTabShowsItsPanelInItalic) {
    const auto dialog = Open();
    for (int tab : {2, 1, 0, 2, 2, 1}) {
        Click(dialog->cmdButton[tab]);
        ExpectPanel(*dialog, tab);
    }
    vars.HasPyramidBank = VbTrue;
    vars.SlaveCount = 1000;
    const auto limited = Open();
    Click(limited->cmdButton[0]);
    Click(limited->cmdButton[1]);
    ExpectPanel(*limited, 2);
}

TEST_F(frmSpecialTest, SelectingAGiftShowsItsCostAndFavour) {
    const auto dialog = Open();
    Click(dialog->cmdButton[2]);
    const char* costs[] = {"10,000", "5,000", "2,500", "1,000", "500"};
    const char* gains[] = {"33%", "15%", "8%", "4%", "2%"};
    for (int i : {0, 3, 1, 4, 2}) {
        Click(dialog->OptGift[i]);
        EXPECT_TRUE(dialog->OptGift[i]->isChecked());
        EXPECT_EQ(dialog->lblCost->text(), costs[i]);
        EXPECT_EQ(dialog->lblFav->text(), gains[i]);
    }
}

TEST_F(frmSpecialTest, CashEqualToTheCostGivesTheGiftOnceAndEmptiesTheCashBox) {
    vars.Cash = 500;
    vars.Favour = 7;
    const auto dialog = Open();
    Click(dialog->cmdButton[2]);
    Click(dialog->cmdGiveGift);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(vars.Cash, 0);
    EXPECT_EQ(vars.Favour, 9);
    EXPECT_EQ(dialog->lblCash->text(), "");
    EXPECT_EQ(mainFavour.text(), "Favour = 9%");
    EXPECT_EQ(mainCash.text(), "2,000"); // the main window shows its cash once the window closes
    EXPECT_FALSE(dialog->cmdGiveGift->isEnabled());

    Click(dialog->OptGift[0]);
    EXPECT_FALSE(dialog->cmdGiveGift->isEnabled());
}

TEST_F(frmSpecialTest, AGoldStatueTakesFavourPastAHundred) {
    vars.Cash = 25000;
    vars.Favour = 90;
    const auto dialog = Open();
    Click(dialog->cmdButton[2]);
    Click(dialog->OptGift[0]);
    Click(dialog->cmdGiveGift);
    EXPECT_EQ(vars.Favour, 123);
    EXPECT_EQ(vars.Cash, 15000);
    EXPECT_EQ(dialog->lblCash->text(), "15,000");
    EXPECT_EQ(mainFavour.text(), "Favour = 123%");
}

TEST_F(frmSpecialTest, AGiftTooDearIsRefusedAndCanBeTriedAgain) {
    vars.Cash = 9999;
    vars.Favour = 20;
    const auto dialog = Open();
    Click(dialog->OptGift[0]);
    Click(dialog->cmdGiveGift);
    const ShownMessage refusal{"You haven't got the money, to buy that gift", "Dunemark",
                               MsgIcon::None, MsgButtons::Ok};
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], refusal);
    EXPECT_EQ(vars.Cash, 9999);
    EXPECT_EQ(vars.Favour, 20);
    EXPECT_EQ(mainFavour.text(), "Favour = 0%");
    EXPECT_TRUE(dialog->cmdGiveGift->isEnabled());

    Click(dialog->OptGift[1]);
    Click(dialog->cmdGiveGift);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(vars.Favour, 35);
}

TEST_F(frmSpecialTest, EveryOpeningAllowsAnotherGift) {
    vars.Cash = 1500;
    for (int opening = 1; opening <= 3; ++opening) {
        OpenAndRun([&](frmSpecial& dialog) {
            EXPECT_TRUE(dialog.cmdGiveGift->isEnabled()) << opening;
            EXPECT_TRUE(dialog.OptGift[4]->isChecked()) << opening;
            Click(dialog.cmdGiveGift);
            Click(dialog.cmdOK);
        });
    }
    EXPECT_EQ(vars.Cash, 0);
    EXPECT_EQ(vars.Favour, 6);
    EXPECT_TRUE(modal.scripts.empty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(frmSpecialTest, SlavesAreBoughtPackAfterPackUpToTheLimit) {
    vars.Cash = 2000000;
    vars.SlaveCount = 100;
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
    EXPECT_TRUE(dialog->cmdButton[1]->isEnabled());
    EXPECT_TRUE(dialog->CmdIncreaseJacketSize->isEnabled());
    ExpectPanel(*dialog, 1);

    Click(dialog->CmdIncreaseJacketSize);
    const std::vector<std::string> said = {"There are no more slaves for you to buy"};
    EXPECT_EQ(messages.Texts(), said);
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Information);
    EXPECT_EQ(vars.SlaveCount, 1000);
    EXPECT_EQ(vars.Cash, 380000);
}

TEST_F(frmSpecialTest, SlavesNeedTheMoneyBeforeTheLimitIsLookedAt) {
    vars.HasPyramidBank = VbTrue;
    vars.Cash = 89999;
    vars.SlaveCount = 1000;
    const auto dialog = Open();
    Click(dialog->CmdIncreaseJacketSize);
    const ShownMessage refusal{"You seem to be lacking the money", "Dunemark", MsgIcon::Information,
                               MsgButtons::Ok};
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], refusal);
    EXPECT_EQ(vars.Cash, 89999);
    EXPECT_EQ(dialog->txtSlaves->text(), "1000");
    EXPECT_EQ(mainCash.text(), "2,000");
}

TEST_F(frmSpecialTest, ABankBoughtLeadsToTheSlavesPanel) {
    for (std::int16_t slaves : {100, 1000}) {
        vars = DeclareVars();
        vars.Cash = 5000;
        vars.SlaveCount = slaves;
        const auto dialog = Open();
        ExpectPanel(*dialog, 0);
        Click(dialog->cmdBuyPyramidBank);
        SCOPED_TRACE(slaves);
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(vars.HasPyramidBank, VbTrue);
        EXPECT_EQ(vars.Cash, 0);
        EXPECT_FALSE(dialog->cmdButton[0]->isEnabled());
        EXPECT_EQ(dialog->cmdButton[1]->isEnabled(), slaves < 1000);
        ExpectPanel(*dialog, 1);
    }
}

TEST_F(frmSpecialTest, ABankTooDearIsRefused) {
    vars.Cash = 4999;
    const auto dialog = Open();
    Click(dialog->cmdBuyPyramidBank);
    const ShownMessage refusal{"You not got the money", "Dunemark", MsgIcon::None, MsgButtons::Ok};
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], refusal);
    EXPECT_EQ(vars.HasPyramidBank, VbFalse);
    EXPECT_EQ(vars.Cash, 4999);
    EXPECT_TRUE(dialog->cmdButton[0]->isEnabled());
    ExpectPanel(*dialog, 0);
}

TEST_F(frmSpecialTest, EnterPressesOkWhereverTheFocusIs) {
    for (int focus = 0; focus < 3; ++focus) {
        int result = -1;
        modal.scripts.push_back([&](QDialog& shown) {
            auto& dialog = static_cast<frmSpecial&>(shown);
            QWidget* const places[] = {dialog.cmdButton[2], dialog.cmdBuyPyramidBank,
                                       dialog.txtPyramidCost};
            places[focus]->setFocus();
            QTest::keyClick(places[focus], Qt::Key_Return);
            EXPECT_FALSE(dialog.isVisible()) << focus;
            result = dialog.result();
        });
        frmSpecial dialog(vars, platform, &mainFavour, &mainCash);
        platform.modal.ShowModal(dialog);
        EXPECT_EQ(result, QDialog::Accepted) << focus;
        ExpectPanel(dialog, 0); // no tab was pressed on the way
    }
    EXPECT_EQ(vars.HasPyramidBank, VbFalse);
}

TEST_F(frmSpecialTest, OpensCentredOverItsOwner) {
    QWidget owner;
    owner.setGeometry(200, 150, 600, 500);
    owner.show();
    QPoint centre;
    modal.scripts.push_back([&](QDialog& dialog) { centre = dialog.geometry().center(); });
    frmSpecial dialog(vars, platform, &mainFavour, &mainCash, &owner);
    platform.modal.ShowModal(dialog);
    EXPECT_LE((centre - owner.geometry().center()).manhattanLength(), 4);
}

} // namespace
} // namespace dunemark
