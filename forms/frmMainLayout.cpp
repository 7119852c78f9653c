// The controls of the main window, at their places.
#include "core/NewGame.h"
#include "forms/frmMain.h"
#include "screenreader/SpokenNews.h"
#include "widgets/FitLabel.h"
#include "widgets/Grid.h"
#include "widgets/Keys.h"
#include "widgets/Look.h"
#include "widgets/RenderSvg.h"
#include "widgets/Speech.h"
#include "widgets/SvgPicture.h"
#include "widgets/TownLabel.h"
#include "widgets/ValueLabel.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

namespace dunemark {

namespace {

constexpr int ClientWidth = 5520;
constexpr int ClientHeight = 5805;
// The grids' Item column: 1300 twips as the game has it, wider only where a translated good's
// name needs more room; the goods-carried grid's last column gives up what it takes.
int ItemColumnPx(const QWidget& grid) {
    MainTables tables;
    FillTables(tables);
    const QFontMetrics metrics(grid.font());
    int widest = 0;
    for (const std::string& name : tables.ItemNames)
        widest = std::max(widest, metrics.horizontalAdvance(GoodName(name)));
    return std::max(Px(1300), widest + 2 * metrics.averageCharWidth());
}

// A caption that a longer wording in another language draws smaller rather than cut.
FitLabel* Caption(QWidget* parent, const QString& text, const QColor& colour, QRect place) {
    auto* label = new FitLabel(text, parent);
    label->setFont(Arial(12, true));
    SetTextColour(label, colour);
    label->setGeometry(place);
    return label;
}

QLabel* MoneyBox(QWidget* parent, QRect place, const QString& caption) {
    auto* label = new ValueLabel(caption, parent);
    label->setFont(Arial(12, true));
    SetColours(label, colours::Green, colours::DarkGreen);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setContentsMargins(0, 0, 4, 0);
    label->setGeometry(place);
    return label;
}

QToolButton* PictureButton(QWidget* parent, const QString& text, const QString& picture,
                           QRect place) {
    auto* button = new EnterPressed<QToolButton>(parent);
    button->setText(text);
    button->setIcon(SvgIcon(picture));
    button->setIconSize(QSize(22, 22));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setGeometry(place);
    return button;
}

} // namespace

void frmMain::CreateControls() {
    auto* client = new QWidget(this);
    client->setFixedSize(Px(ClientWidth), Px(ClientHeight));
    setCentralWidget(client);

    // The money captions: each as wide as the room before its box allows, all in one face. A
    // caption too long for it at the design's size makes all three narrow, and only then smaller.
    FitLabel* cash = Caption(client, tr("Cash:"), colours::Blue, TwipsRect(120, 120, 735, 285));
    lblCash = MoneyBox(client, TwipsRect(900, 120, 1530, 345), tr("Cash"));
    FitLabel* bank = Caption(client, tr("Bank"), colours::Blue, TwipsRect(120, 600, 735, 285));
    lblBank = MoneyBox(client, TwipsRect(900, 600, 1530, 345), tr("Bank"));
    FitLabel* debt = Caption(client, tr("Debt:"), colours::Red, TwipsRect(120, 1080, 735, 285));
    lblDebt = MoneyBox(client, TwipsRect(900, 1080, 1530, 345), tr("Debt"));
    QFont narrow = NarrowSans(cash->font().pointSizeF());
    narrow.setBold(true);
    FitLabel::ShareOneSize({cash, bank, debt}, narrow);
    Label1 = cash;
    Label6 = bank;
    Label8 = debt;
    Label1->setBuddy(lblCash);
    Label6->setBuddy(lblBank);
    Label8->setBuddy(lblDebt);

    Picture1 = new SvgPicture(QStringLiteral(":/assets/map.svg"), client);
    Picture1->setGeometry(TwipsRect(2520, 120, 2895, 1335));
    SetColours(Picture1, colours::Black, QColor(196, 160, 96));
    Picture1->setAccessibleName(tr("Map"));
    const QRect townPlaces[TownCount] = {TwipsRect(120, 960, 1290, 285),
                                         TwipsRect(555, 360, 1290, 285),
                                         TwipsRect(1470, 720, 1290, 285)};
    for (int i = 0; i < TownCount; ++i) {
        lblTown[i] = new TownLabel(Picture1);
        lblTown[i]->setGeometry(townPlaces[i]);
        connect(lblTown[i], &TownLabel::clicked, this, [this, i] { lblTown_Click(i); });
    }

    cmdFinish = new EnterPressed<QPushButton>(tr("Finish"), client);
    cmdFinish->setFont(ArialBlack(18));
    cmdFinish->setIcon(SvgIcon(QStringLiteral(":/assets/finish.svg")));
    cmdFinish->setIconSize(QSize(32, 32));
    cmdFinish->setGeometry(Picture1->geometry());
    cmdFinish->hide();
    cmdFinish->setAccessibleDescription(
        tr("Ends the game: your total, your burial and the high scores"));
    connect(cmdFinish, &QPushButton::clicked, this, &frmMain::cmdFinish_Click);

    lblFavour = new FitLabel(client);
    lblFavour->setFont(SansSerif());
    lblFavour->setGeometry(TwipsRect(4425, 1500, 945, 195));

    cmdSpecial =
        PictureButton(client, tr("Special products"), QStringLiteral(":/assets/special.svg"),
                      TwipsRect(120, 1800, 2295, 735));
    cmdBuy = PictureButton(client, tr("&Buy"), QStringLiteral(":/assets/buy.svg"),
                           TwipsRect(2520, 1920, 950, 615));
    cmdSell = PictureButton(client, tr("&Sell"), QStringLiteral(":/assets/sell.svg"),
                            TwipsRect(3480, 1920, 950, 615));
    cmdFinances = PictureButton(client, tr("Finances"), QStringLiteral(":/assets/finances.svg"),
                                TwipsRect(4440, 1800, 950, 735));
    for (QToolButton* button : {cmdSpecial, cmdBuy, cmdSell, cmdFinances})
        button->setFont(SansSerif());
    connect(cmdSpecial, &QToolButton::clicked, this, &frmMain::cmdSpecial_Click);
    connect(cmdBuy, &QToolButton::clicked, this, &frmMain::cmdBuy_Click);
    connect(cmdSell, &QToolButton::clicked, this, &frmMain::cmdSell_Click);
    connect(cmdFinances, &QToolButton::clicked, this, &frmMain::cmdFinances_Click);

    lblJacketSpace = new QLabel(client);
    lblJacketSpace->setFont(SansSerif());
    lblJacketSpace->setGeometry(TwipsRect(2520, 2640, 2775, 255));
    Label2 = new QLabel(tr("Items available:"), client);
    Label2->setFont(SansSerif());
    Label2->setGeometry(TwipsRect(120, 2760, 2055, 255));

    Grid1 = new Grid({tr("Item"), tr("Price")}, client);
    Grid1->setGeometry(TwipsRect(120, 3000, 2295, 2685));
    Grid1->setToolTip(tr("Items you can buy"));
    Grid1->setAccessibleName(tr("Items you can buy"));
    // Both grids give Price the same room, inside the grid; the last column takes what is left.
    const int itemColumn = ItemColumnPx(*Grid1);
    Grid1->setColumnWidth(0, itemColumn);
    Grid1->setColumnWidth(1, Px(750));
    Label2->setBuddy(Grid1);
    Grid2 = new Grid({tr("Item"), tr("Price"), tr("Qty")}, client);
    Grid2->setGeometry(TwipsRect(2520, 3000, 2895, 2685));
    Grid2->setToolTip(tr("Items you have bought"));
    Grid2->setAccessibleName(tr("Items you have bought"));
    Grid2->setColumnWidth(0, itemColumn);
    Grid2->setColumnWidth(1, Px(750));
    Grid2->setColumnWidth(2, Px(750) - (itemColumn - Px(1300)));
    Grid2->SetRow(1);
    Grid2->PassEmptyRows();
    DescribeGrids();
    connect(Grid2, &Grid::rowSelected, this, &frmMain::Grid2_SelChange);
    // Enter in a grid presses the button that acts on its row, when that button can be pressed.
    connect(Grid1, &Grid::rowChosen, cmdBuy, &QToolButton::click);
    connect(Grid2, &Grid::rowChosen, this, [this] {
        // Sell is off on an empty row; the player who pressed Enter there hears why.
        if (cmdSell->isEnabled())
            cmdSell->click();
        else if (!gameIsOver_)
            news_->Tell(Say(Phrase::NothingToSell));
    });

    // The keyboard goes round as the eye does: the map (or Finish over it), the buttons from
    // left to right, then the market and the goods carried.
    QWidget* const tabOrder[] = {lblTown[0], lblTown[1], lblTown[2],  cmdFinish, cmdSpecial,
                                 cmdBuy,     cmdSell,    cmdFinances, Grid1,     Grid2};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void frmMain::CreateMenus() {
    mnufile = menuBar()->addMenu(tr("&File"));
    mnuNewGame = mnufile->addAction(tr("&New Game"), this, &frmMain::mnuNewGame_Click);
    mnuMarketOfDay =
        mnufile->addAction(tr("&Market of the Day"), this, &frmMain::mnuMarketOfDay_Click);
    mnuMarketOfDay->setShortcut(MarketOfTheDayKey);
    mnuMarketNumber =
        mnufile->addAction(tr("&Play Market Number…"), this, &frmMain::mnuMarketNumber_Click);
    mnuMarketNumber->setShortcut(MarketNumberKey);
    mnufile->addSeparator();
    mnuExit = mnufile->addAction(tr("E&xit"), this, &frmMain::mnuExit_Click);

    mnuview = menuBar()->addMenu(tr("&View"));
    mnuHighS = mnuview->addAction(tr("&Highscores"), this, &frmMain::mnuHighS_Click);
    mnuStory = mnuview->addAction(tr("&Story"), this, &frmMain::mnuStory_Click);
    mnuLedger = mnuview->addAction(tr("&Ledger"), this, &frmMain::mnuLedger_Click);
    mnuLedger->setShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_L));

    mnuhelp = menuBar()->addMenu(tr("&Help"));
    mnuHowToPlay = mnuhelp->addAction(tr("How to &Play"), this, &frmMain::mnuHowToPlay_Click);
    mnuHowToPlay->setShortcut(QKeySequence(Qt::Key_F1));
    mnuAbout = mnuhelp->addAction(tr("&About"), this, &frmMain::mnuAbout_Click);
}

} // namespace dunemark
