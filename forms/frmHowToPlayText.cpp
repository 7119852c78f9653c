// The text of the How to Play window: each paragraph, list item and table cell is one
// translatable text, and every figure in it comes from the rules.
#include "core/Burial.h"
#include "core/Market.h"
#include "core/SpecialProducts.h"
#include "core/Travel.h"
#include "forms/frmHowToPlay.h"
#include "scores/HighScoreTable.h"
#include "widgets/Keys.h"
#include "widgets/Look.h"
#include "widgets/Speech.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QLocale>
#include <QStringList>
#include <cmath>

namespace dunemark {

namespace {

QString Number(double value) {
    return QLocale().toString(std::lround(value));
}

QString Percent(double factor) {
    return Number(factor * 100);
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The Alt key of a control as the player's language letters it: "&Buy" gives Alt+B.
QKeySequence AltKey(const char* window, const char* text) {
    return QKeySequence::mnemonic(QCoreApplication::translate(window, text));
}

QString Keys(std::initializer_list<QKeySequence> keys) {
    QStringList names;
    for (const QKeySequence& key : keys)
        names << key.toString(QKeySequence::NativeText);
    return names.join(QStringLiteral(", "));
}

// The pieces of the page. Every text is escaped: the page is static, whatever a translation holds.
QString Paragraph(const QString& text) {
    return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped());
}

QString ListItem(const QString& text) {
    return QStringLiteral("<li>%1</li>").arg(text.toHtmlEscaped());
}

QString List(const QStringList& items) {
    QString html = QStringLiteral("<ul>");
    for (const QString& item : items)
        html += ListItem(item);
    return html + QStringLiteral("</ul>");
}

// A table whose first row holds the headers; the figures of the columns from `firstFigure` on
// stand to the right.
QString Table(const QList<QStringList>& rows, qsizetype firstFigure = 0) {
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">");
    for (qsizetype r = 0; r < rows.size(); ++r) {
        html += QStringLiteral("<tr>");
        for (qsizetype c = 0; c < rows[r].size(); ++c)
            html += QStringLiteral("<%1 align=\"%2\">%3</%1>")
                        .arg(r == 0 ? QStringLiteral("th") : QStringLiteral("td"),
                             firstFigure > 0 && c >= firstFigure ? QStringLiteral("right")
                                                                 : QStringLiteral("left"),
                             rows[r][c].toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

struct Section {
    QString anchor;
    QString title;
    QString body;
};

QString Heading(const Section& section) {
    return QStringLiteral("<h2><a name=\"%1\"></a>%2</h2>")
        .arg(section.anchor, section.title.toHtmlEscaped());
}

QString Contents(const QList<Section>& sections) {
    QString html = QStringLiteral("<ul>");
    for (const Section& section : sections)
        html += QStringLiteral("<li><a href=\"#%1\">%2</a></li>")
                    .arg(section.anchor, section.title.toHtmlEscaped());
    return html + QStringLiteral("</ul>");
}

} // namespace

namespace {

QString TheGame(const MainTables& tables) {
    return Paragraph(frmHowToPlay::tr("You have %1 days to make as much money as you can by "
                                      "trading between %2, %3 and %4. You start in %2 with %5 "
                                      "in cash, a loan of %6 and %7 slaves.")
                         .arg(Number(GameDays), Text(tables.TownNames[0]),
                              Text(tables.TownNames[1]), Text(tables.TownNames[2]),
                              Money(StartingCash), Money(StartingLoan), Number(StartingSlaves))) +
           Paragraph(frmHowToPlay::tr("On day %1, the last, you can no longer buy, but you can "
                                      "still sell and settle your finances. Then press Finish, "
                                      "which covers the map, to end the game.")
                         .arg(Number(GameDays))) +
           Paragraph(frmHowToPlay::tr(
               "Your total is your cash plus your bank balance minus your loan. Goods you still "
               "carry count for nothing, so sell them before you finish. The total decides where "
               "you are buried and whether you enter the high-score table."));
}

QString Travel() {
    return Paragraph(frmHowToPlay::tr(
               "Click a town on the map to travel there. Every journey takes one day: prices "
               "change, interest is added to your loan and your bank, and danger may strike.")) +
           Paragraph(frmHowToPlay::tr("Staying in a town takes no time: buy and sell there as "
                                      "much as you like. On day %1 Finish covers the map, and "
                                      "there are no more journeys.")
                         .arg(Number(GameDays)));
}

QString EventItem(const QString& text, const MarketEventRule& rule) {
    return text.arg(Number(rule.chance), Percent(rule.priceFactor));
}

QString TheMarket(const MainTables& tables) {
    QList<QStringList> prices{
        {frmHowToPlay::tr("Good"), frmHowToPlay::tr("Cheapest"), frmHowToPlay::tr("Dearest")}};
    for (int k = 0; k < ItemCount; ++k)
        prices.append({GoodName(tables.ItemNames[k]), Money(tables.BasePrices[k]),
                       Money(HighestUsualPrice(tables.BasePrices[k]))});
    return Paragraph(frmHowToPlay::tr(
               "Every town sells the same ten goods. Each day every town draws its prices "
               "afresh, and they stay fixed while you stay. On a usual day a good costs:")) +
           Table(prices, 1) +
           Paragraph(frmHowToPlay::tr("In the town you arrive in, each good may meet one of "
                                      "these events, and a message tells you of it:")) +
           List({EventItem(frmHowToPlay::tr("Low prices, a chance of one in %1: about %2% of "
                                            "the usual price."),
                           LowPrices),
                 EventItem(frmHowToPlay::tr("A glut, a chance of one in %1: %2% of the usual "
                                            "price."),
                           Glut),
                 EventItem(frmHowToPlay::tr("The Pharaoh's demand, a chance of one in %1: %2% "
                                            "of the usual price."),
                           PharaohsDemand),
                 EventItem(frmHowToPlay::tr("High prices, a chance of one in %1: %2% of the "
                                            "usual price."),
                           HighPrices)});
}

QString Trading() {
    return Paragraph(frmHowToPlay::tr(
               "Each slave carries one item, so you can carry as many items as you have slaves. "
               "The Slaves line above your goods shows how many slaves are free, then how many you "
               "have.")) +
           Paragraph(frmHowToPlay::tr(
               "To buy, choose a good in the items available and press Buy. The Buy window "
               "proposes the most you can take: as many as your cash pays for, but no more than "
               "your free slaves can carry. Type a smaller number if you like.")) +
           Paragraph(frmHowToPlay::tr(
               "To sell, choose a good among the items you have bought and press Sell; the Sell "
               "window proposes all you hold. Every town buys every good at its price of the "
               "day."));
}

QString LoanAndBank() {
    return Paragraph(frmHowToPlay::tr("Your loan grows by %1% every day, so pay it back early: "
                                      "in the Finances window, Pay Loan takes any part of it "
                                      "from your cash. You cannot borrow more.")
                         .arg(Number(LoanInterestPercent))) +
           Paragraph(frmHowToPlay::tr("A pyramid bank, bought in Special products for %1, pays "
                                      "%2% interest every day on what you keep in it. Deposit "
                                      "and withdraw in the Finances window, in any town, at any "
                                      "time.")
                         .arg(Money(PyramidBankPrice), Number(BankInterestPercent)));
}

QString SpecialProducts() {
    QList<QStringList> gifts{
        {frmHowToPlay::tr("Gift"), frmHowToPlay::tr("Price"), frmHowToPlay::tr("Favour")}};
    for (int i = 0; i < GiftCount; ++i)
        gifts.append({GoodName(std::string(Gifts.GiftName[i])), Money(Gifts.GiftCost[i]),
                      frmHowToPlay::tr("+%1%").arg(Number(Gifts.GiftFavour[i]))});
    return Paragraph(frmHowToPlay::tr(
                         "The Pharaoh's favour, shown under the map, rises by %1% each time you "
                         "sell a good for more than you paid at your latest purchase of it, and "
                         "falls by %1% (never below 0) when you sell it for that or less.")
                         .arg(Number(SaleFavourStep))) +
           Paragraph(frmHowToPlay::tr("Gifts raise it faster, one gift each time you open the "
                                      "Special products window:")) +
           Table(gifts, 1) +
           Paragraph(frmHowToPlay::tr("Once your favour has reached %1%, the Pharaoh pays you a "
                                      "bonus on your next journey, a sum chosen by chance of up "
                                      "to %2, and your favour starts again from 0.")
                         .arg(Number(FavourForBonus), Money(BonusCeiling - 1))) +
           Paragraph(frmHowToPlay::tr("More slaves come in packs of %1 for %2 a pack, as long as "
                                      "you have fewer than %3.")
                         .arg(Number(SlavesPerPack), Money(SlavePackPrice), Number(SlaveLimit))) +
           Paragraph(frmHowToPlay::tr("The pyramid bank costs %1 and can be bought once a game.")
                         .arg(Money(PyramidBankPrice)));
}

QString Dangers() {
    return Paragraph(frmHowToPlay::tr("On every journey there is a chance of one in %1 that you "
                                      "are mugged and lose %2% of your cash.")
                         .arg(Number(MuggingChance), Number(MuggingLossPercent))) +
           Paragraph(frmHowToPlay::tr("Once you own a pyramid bank, there is a chance of one in "
                                      "%1 each day that it is robbed and loses %2% of what is in "
                                      "it.")
                         .arg(Number(RobberyChance), Number(RobberyLossPercent)));
}

QString Burial() {
    QList<QStringList> ranks{{frmHowToPlay::tr("Total"), frmHowToPlay::tr("Your burial")}};
    for (int rank = 0; rank < DesertRank; ++rank)
        ranks.append({frmHowToPlay::tr("above %1").arg(Money(BurialThreshold(rank))),
                      Say(BurialCaption(rank))});
    ranks.append({frmHowToPlay::tr("%1 or less").arg(Money(BurialThreshold(DesertRank - 1))),
                  Say(BurialCaption(DesertRank))});
    return Paragraph(frmHowToPlay::tr("Your total at the end decides where you are buried; it "
                                      "must be above a rank's figure to earn it:")) +
           Table(ranks);
}

QString HighScores() {
    return Paragraph(
        frmHowToPlay::tr("The %1 best totals are kept, with names and dates, in the high-score "
                         "table (View menu, Highscores). A total of 0 or more that beats one of "
                         "them enters the table and you are asked your name; a total equal to "
                         "one goes below it. At first every place holds %2.")
            .arg(Number(HighScorePlaces), Money(DefaultHighScore().Total)));
}

QString MarketOfTheDay() {
    const QKeySequence copy = AltKey("dunemark::frmShowEndTomb", "&Copy Result");
    return Paragraph(frmHowToPlay::tr("File, Market of the Day (%1) starts a game whose markets "
                                      "are set by today's date: everyone who starts it on the "
                                      "same date plays the same market.")
                         .arg(Keys({MarketOfTheDayKey}))) +
           Paragraph(frmHowToPlay::tr("Each such market has a number, the date's digits for the "
                                      "market of the day, shown in the window's caption beside "
                                      "the day. File, Play Market Number (%1) plays any market "
                                      "again by its number, or one that a friend shares.")
                         .arg(Keys({MarketNumberKey}))) +
           Paragraph(frmHowToPlay::tr(
               "In a market game the prices of every town on every day, the market events, the "
               "muggings, the robberies of the pyramid bank and the Pharaoh's bonus are the same "
               "for every player, whatever route each takes and whatever each buys. What you make "
               "of them is yours.")) +
           Paragraph(frmHowToPlay::tr("When a market game ends, Copy Result (%1) in the window "
                                      "of your burial copies one line to paste to others: the "
                                      "market's number, your total and your burial. Nothing is "
                                      "kept or sent.")
                         .arg(Keys({copy})));
}

QString TheKeys(const MainTables& tables) {
    // The windows whose letters are named, as their translations know them.
    constexpr const char* Main = "dunemark::frmMain";
    constexpr const char* Ledger = "dunemark::frmLedger";
    const QString key = frmHowToPlay::tr("Keys");
    const QString does = frmHowToPlay::tr("What they do");
    return Table({
        {key, does},
        {Keys({Qt::CTRL | Qt::Key_1, Qt::CTRL | Qt::Key_2, Qt::CTRL | Qt::Key_3}),
         frmHowToPlay::tr("Travel to %1, %2 or %3")
             .arg(Text(tables.TownNames[0]), Text(tables.TownNames[1]), Text(tables.TownNames[2]))},
        {Keys({Qt::Key_Tab, Qt::SHIFT | Qt::Key_Tab}),
         frmHowToPlay::tr("Move between the map, the buttons and the two lists")},
        {Keys({Qt::Key_Up, Qt::Key_Down}), frmHowToPlay::tr("Choose a good in a list")},
        {Keys({Qt::Key_Enter}),
         frmHowToPlay::tr("Buy the good chosen in the items available, or sell the one chosen "
                          "among the items you have bought; in a window, OK")},
        {Keys({AltKey(Main, "&Buy"), AltKey(Main, "&Sell")}), frmHowToPlay::tr("Buy, Sell")},
        {Keys({Qt::Key_Space}),
         frmHowToPlay::tr("Press the button that has the focus, such as Finances or Special "
                          "products")},
        {Keys({Qt::Key_Escape}), frmHowToPlay::tr("In a window, Cancel or close")},
        {Keys({Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::SHIFT | Qt::Key_Tab}),
         frmHowToPlay::tr("In Special products, the next or the previous tab")},
        {Keys({AltKey(Main, "&File"), AltKey(Main, "&View"), AltKey(Main, "&Help")}),
         frmHowToPlay::tr("The File, View and Help menus")},
        {Keys({MarketOfTheDayKey, MarketNumberKey}),
         frmHowToPlay::tr("The market of the day, or a market by its number")},
        {Keys({Qt::CTRL | Qt::Key_L}),
         frmHowToPlay::tr("The ledger of the prices you have seen and of your fortune")},
        {Keys({AltKey(Ledger, "&Last seen"), AltKey(Ledger, "&Prices"), AltKey(Ledger, "&Fortune"),
               AltKey(Ledger, "&Goods:"), AltKey(Ledger, "Show the figures as a &table")}),
         frmHowToPlay::tr(
             "In the ledger: the last prices seen, the prices, the fortune, the goods, "
             "the figures as a table")},
        {Keys({Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape}),
         frmHowToPlay::tr("Close the window of your burial")},
        {Keys({Qt::Key_F1}), frmHowToPlay::tr("This window")},
        {frmHowToPlay::tr("A letter, Enter, Escape or a click"),
         frmHowToPlay::tr("Close the story (View menu, Story) and play")},
    });
}

} // namespace

QString frmHowToPlay::RulesHtml(const MainTables& tables) {
    const QList<Section> sections{
        {QStringLiteral("game"), tr("The game"), TheGame(tables)},
        {QStringLiteral("travel"), tr("Travel"), Travel()},
        {QStringLiteral("market"), tr("The market"), TheMarket(tables)},
        {QStringLiteral("trade"), tr("Buying and selling"), Trading()},
        {QStringLiteral("money"), tr("The loan and the pyramid bank"), LoanAndBank()},
        {QStringLiteral("special"), tr("Favour and special products"), SpecialProducts()},
        {QStringLiteral("dangers"), tr("Dangers"), Dangers()},
        {QStringLiteral("burial"), tr("Where you are buried"), Burial()},
        {QStringLiteral("scores"), tr("High scores"), HighScores()},
        {QStringLiteral("daily"), tr("The market of the day"), MarketOfTheDay()},
        {QStringLiteral("keys"), tr("Keys"), TheKeys(tables)},
    };
    QString html =
        QStringLiteral("<h1>%1</h1>").arg(tr("How to Play").toHtmlEscaped()) + Contents(sections);
    for (const Section& section : sections)
        html += Heading(section) + section.body;
    return html;
}

} // namespace dunemark
