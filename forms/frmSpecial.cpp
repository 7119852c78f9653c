#include "forms/frmSpecial.h"

#include "core/GameServices.h"
#include "core/SpecialProducts.h"
#include "platform/qt/CentreOver.h"
#include "screenreader/SpokenNews.h"
#include "widgets/Look.h"
#include "widgets/NumberEdit.h"
#include "widgets/Speech.h"
#include "widgets/SvgPicture.h"
#include "widgets/ValueLabel.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <algorithm>
#include <string>

namespace dunemark {

namespace {

constexpr int PictureSide = 32;

QLabel* Caption(QWidget* parent, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setWordWrap(place.height() > 20);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A bordered, right-aligned figure on dark green, read out under its caption.
QLabel* ValueBox(QWidget* parent, const QString& caption, const QColor& text, const QRect& place) {
    auto* label = new ValueLabel(caption, parent);
    label->setGeometry(place);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setIndent(3);
    SetColours(label, text, colours::DarkGreen);
    return label;
}

QPushButton* Button(QWidget* parent, const QString& text, const QRect& place) {
    auto* button = new QPushButton(text, parent);
    button->setGeometry(place);
    button->setAutoDefault(false); // Enter always means OK
    return button;
}

QLineEdit* TextField(QWidget* parent, const QRect& place) {
    auto* box = new NumberEdit(parent);
    box->setGeometry(place);
    return box;
}

// A caption shown as it is written: "&" would otherwise mark an accelerator letter.
QString Literal(QString text) {
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

const QRect PanelPlace{2, 2, 464, 196};
const QRect PicturePlace{12, 12, PictureSide, PictureSide};

// A panel's small picture, at its place in the panel's top left corner.
SvgPicture* NewPanelPicture(const QString& resourcePath, QWidget* parent) {
    auto* picture = new SvgPicture(resourcePath, parent);
    picture->setGeometry(PicturePlace);
    return picture;
}

} // namespace

frmSpecial::frmSpecial(DeclareVars& vars, Platform& platform, QLabel* mainFavour, QLabel* mainCash,
                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
    , vars_(vars)
    , platform_(platform)
    , mainFavour_(mainFavour)
    , mainCash_(mainCash) {
    setWindowTitle(tr("Special items"));
    setFont(SansSerif());
    setFixedSize(484, 284);

    const QString tabCaptions[] = {tr("Buy a Pyramid Bank"), tr("Buy more slaves"),
                                   tr("Give gift to Pharoah")};
    // The arrow keys go from tab to tab; Space shows the one they are on.
    auto* tabs = new QButtonGroup(this);
    for (int i = 0; i < SpecialTabCount; ++i) {
        cmdButton[i] = Button(this, tabCaptions[i], {8 + i * 156, 8, 156, 28});
        tabs->addButton(cmdButton[i], i);
    }

    Frame1 = new QFrame(this);
    Frame1->setGeometry(8, 40, 468, 200);
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    BuildPyramidPanel();
    BuildSlavesPanel();
    BuildGiftPanel();
    for (int i = 0; i < SpecialTabCount; ++i)
        Panel(i)->setAccessibleName(tabCaptions[i]);

    cmdOK = Button(this, tr("OK"), {388, 248, 88, 28});
    news_ = new SpokenNews(this);
    cmdOK->setDefault(true);

    Form_Load();
    if (parent)
        CentreOver(*this, *parent);

    for (int i = 0; i < SpecialTabCount; ++i)
        connect(cmdButton[i], &QPushButton::clicked, this, [this, i] { cmdButton_Click(i); });
    for (int i = 0; i < GiftCount; ++i)
        connect(OptGift[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                OptGift_Click(i);
        });
    connect(cmdGiveGift, &QPushButton::clicked, this, &frmSpecial::cmdGiveGift_Click);
    connect(CmdIncreaseJacketSize, &QPushButton::clicked, this,
            &frmSpecial::CmdIncreaseJacketSize_Click);
    connect(cmdBuyPyramidBank, &QPushButton::clicked, this, &frmSpecial::cmdBuyPyramidBank_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmSpecial::cmdOK_Click);
    // Ctrl+Tab and Ctrl+Shift+Tab turn to the next and the previous tab, as in any tabbed window.
    connect(new QShortcut(QKeySequence::NextChild, this), &QShortcut::activated, this,
            [this] { TurnTab(1); });
    auto* previous = new QShortcut(this);
    previous->setKeys(QKeySequence::keyBindings(QKeySequence::PreviousChild) +
                      QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)});
    connect(previous, &QShortcut::activated, this, [this] { TurnTab(SpecialTabCount - 1); });
}

QWidget* frmSpecial::Panel(int Index) const {
    QWidget* const panels[] = {picPyramid, picSlaves, picGift};
    return panels[Index];
}

void frmSpecial::TurnTab(int step) {
    for (int k = 1; k < SpecialTabCount; ++k) {
        const int next = (shownTab_ + k * step) % SpecialTabCount;
        if (cmdButton[next]->isEnabled()) {
            cmdButton_Click(next);
            return;
        }
    }
}

void frmSpecial::BuildPyramidPanel() {
    picPyramid = new QWidget(Frame1);
    picPyramid->setGeometry(PanelPlace);
    Image1 = NewPanelPicture(QStringLiteral(":/assets/pyramid.svg"), picPyramid);
    QLabel* cost = Caption(picPyramid, tr("Cost:"), {60, 18, 40, 16});
    txtPyramidCost = TextField(picPyramid, {104, 14, 80, 22});
    cost->setBuddy(txtPyramidCost);
    cmdBuyPyramidBank = Button(picPyramid, tr("Buy"), {196, 12, 80, 26});
    Caption(picPyramid,
            tr("Buying a pyramid bank, will allow you to deposit your money into a safe "
               "place. You will then receive intrest on what you deposit. You can "
               "withdraw your money at any time."),
            {60, 60, 380, 60});
}

void frmSpecial::BuildSlavesPanel() {
    picSlaves = new QWidget(Frame1);
    picSlaves->setGeometry(PanelPlace);
    Image2 = NewPanelPicture(QStringLiteral(":/assets/slaves.svg"), picSlaves);
    QLabel* have = Caption(picSlaves, tr("You currently have:"), {60, 18, 110, 16});
    txtSlaves = TextField(picSlaves, {172, 14, 60, 22});
    have->setBuddy(txtSlaves);
    // The word after the count takes the room it needs: the panel has it.
    QLabel* slaves = Caption(picSlaves, tr("slaves"), {240, 18, 50, 16});
    slaves->resize(std::max(slaves->width(), slaves->sizeHint().width()), slaves->height());
    CmdIncreaseJacketSize = Button(picSlaves, QString(), {60, 52, 230, 30});
    Caption(picSlaves,
            tr("The more slaves you have, the more items you can buy. Each slave is "
               "responsible for one item."),
            {60, 100, 380, 40});
}

void frmSpecial::BuildGiftPanel() {
    picGift = new QWidget(Frame1);
    picGift->setGeometry(PanelPlace);
    Image3 = NewPanelPicture(QStringLiteral(":/assets/gift.svg"), picGift);
    for (int i = 0; i < GiftCount; ++i) {
        OptGift[i] = new QRadioButton(picGift);
        OptGift[i]->setGeometry(60, 10 + i * 22, 140, 20);
    }
    Caption(picGift, tr("Cost:"), {220, 14, 140, 16});
    lblCost = ValueBox(picGift, tr("Cost"), colours::White, {364, 10, 88, 22});
    Caption(picGift, tr("Favour will increase by:"), {220, 42, 140, 16});
    lblFav = ValueBox(picGift, tr("Favour will increase by"), colours::White, {364, 38, 88, 22});
    Caption(picGift, tr("Your cash:"), {220, 70, 140, 16});
    lblCash = ValueBox(picGift, tr("Your cash"), colours::Green, {364, 66, 88, 22});
    Caption(picGift,
            tr("Giving the pharoah gifts will increase his favour towards you and "
               "cold be profitable in the future."),
            {12, 128, 300, 48});
    cmdGiveGift = Button(picGift, tr("Give Gift"), {352, 150, 100, 28});
}

void frmSpecial::Form_Load() {
    cmdButton[PyramidTab]->setEnabled(PyramidTabEnabled(vars_));
    if (!SlavesTabEnabled(vars_))
        cmdButton[SlavesTab]->setEnabled(false);
    cmdButton_Click(FirstSpecialTab(vars_));
    for (int i = 0; i < GiftCount; ++i) {
        const auto gift = static_cast<std::size_t>(i);
        OptGift[i]->setText(Literal(GoodName(std::string(Gifts.GiftName[gift]))));
        OptGift[i]->setAccessibleDescription(tr("Cost %1, favour up by %2%")
                                                 .arg(SpokenMoney(Gifts.GiftCost[gift]))
                                                 .arg(Gifts.GiftFavour[gift]));
    }
    CmdIncreaseJacketSize->setText(
        tr("Buy %n more slaves for %1", nullptr, SlavesPerPack).arg(SlavePackPrice));
    lblCash->setText(Money(vars_.Cash));
    txtSlaves->setText(Plain(vars_.SlaveCount));
    txtPyramidCost->setText(Money(PyramidBankPrice));
    OptGift[FirstGiftOffered]->setChecked(true);
    OptGift_Click(FirstGiftOffered);
}

void frmSpecial::cmdButton_Click(int Index) {
    for (int i = 0; i < SpecialTabCount; ++i)
        Panel(i)->hide();
    Panel(Index)->show();
    shownTab_ = Index;
    // The buttons look like tabs; a screen reader hears which page is open.
    if (isVisible())
        news_->Tell(tr("%1, page %2 of %3.")
                        .arg(cmdButton[Index]->text())
                        .arg(Index + 1)
                        .arg(SpecialTabCount));
    for (int i = 0; i < SpecialTabCount; ++i) {
        QFont face = cmdButton[i]->font();
        face.setItalic(i == Index);
        cmdButton[i]->setFont(face);
    }
}

void frmSpecial::OptGift_Click(int Index) {
    const auto gift = static_cast<std::size_t>(Index);
    lblCost->setText(Money(Gifts.GiftCost[gift]));
    //: A percentage, written as in "Favour = %1%".
    lblFav->setText(tr("%1%").arg(Plain(Gifts.GiftFavour[gift])));
}

void frmSpecial::cmdGiveGift_Click() {
    int chosen = 0;
    while (chosen < GiftCount - 1 && !OptGift[chosen]->isChecked())
        ++chosen;
    if (const auto refusal = GiveGift(vars_, chosen)) {
        Refuse(*refusal);
        return;
    }
    cmdGiveGift->setEnabled(false); // one gift for each opening of the window
    lblCash->setText(Money(vars_.Cash));
    if (mainFavour_)
        mainFavour_->setText(tr("Favour = %1%").arg(Plain(vars_.Favour)));
    news_->Tell(
        tr("Gift given: favour %1%, cash %2.").arg(vars_.Favour).arg(SpokenMoney(vars_.Cash)));
}

void frmSpecial::CmdIncreaseJacketSize_Click() {
    if (const auto refusal = BuySlaves(vars_)) {
        Refuse(*refusal);
        return;
    }
    txtSlaves->setText(Plain(vars_.SlaveCount));
    if (mainCash_)
        mainCash_->setText(Money(vars_.Cash));
    news_->Tell(tr("You now have %n slaves, cash %1.", nullptr, vars_.SlaveCount)
                    .arg(SpokenMoney(vars_.Cash)));
}

void frmSpecial::cmdBuyPyramidBank_Click() {
    if (const auto refusal = BuyPyramidBank(vars_)) {
        Refuse(*refusal);
        return;
    }
    cmdButton[PyramidTab]->setEnabled(false);
    cmdButton_Click(SlavesTab); // even when no slaves are left to buy
    news_->Tell(tr("You own a pyramid bank, cash %1.").arg(SpokenMoney(vars_.Cash)) +
                QLatin1Char(' ') + news_->News());
}

void frmSpecial::cmdOK_Click() {
    accept();
}

void frmSpecial::Refuse(const Refusal& refusal) {
    platform_.messages.Show(Say(refusal.phrase).toStdString(), std::string(AppTitle), refusal.icon,
                            MsgButtons::Ok);
}

} // namespace dunemark
