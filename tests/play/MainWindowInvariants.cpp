#include "MainWindowInvariants.h"

#include "core/Travel.h"
#include "forms/Grid.h"
#include "forms/Look.h"
#include "forms/TownLabel.h"
#include "forms/frmMain.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <cstdint>
#include <sstream>

namespace dunemark {

namespace {

class Checker {
public:
    template <typename A, typename B>
    void Same(const char* what, const A& actual, const B& wanted) {
        if (actual == wanted)
            return;
        std::ostringstream text;
        text << what << ": " << Text(actual) << ", expected " << Text(wanted);
        broken.push_back(text.str());
    }
    void Holds(const char* rule, bool held) {
        if (!held)
            broken.push_back(rule);
    }

    std::vector<std::string> broken;

private:
    template <typename T> static std::string Text(const T& value) {
        if constexpr (std::is_same_v<T, QString>)
            return '"' + value.toStdString() + '"';
        else if constexpr (std::is_same_v<T, bool>)
            return value ? "true" : "false";
        else {
            std::ostringstream text;
            text << value;
            return text.str();
        }
    }
};

void CheckCounts(Checker& check, const DeclareVars& vars, const MainTables& tables) {
    double held = 0;
    for (int r = 1; r <= ItemCount; ++r)
        held += CellNumber(vars.Holdings[r][QuantityField]);
    check.Same("ItemsCarried against the holdings", static_cast<double>(vars.ItemsCarried), held);
    check.Holds("ItemsCarried is between 0 and SlaveCount",
                vars.ItemsCarried >= 0 && vars.ItemsCarried <= vars.SlaveCount);
    check.Holds("Cash is not negative", vars.Cash >= 0);
    check.Holds("BankBalance is not negative", vars.BankBalance >= 0);
    check.Holds("Debt is not negative", vars.Debt >= 0);
    check.Holds("Favour is not negative", vars.Favour >= 0);
    check.Holds("the bank holds nothing before it is bought",
                vars.HasPyramidBank != VbFalse || vars.BankBalance == 0);
    check.Holds("CurrentDay is between 0 and LastDay + 1",
                tables.CurrentDay >= 0 && tables.CurrentDay <= tables.LastDay + 1);
}

void CheckLabels(Checker& check, const DeclareVars& vars, const frmMain& window) {
    check.Same("lblCash", window.lblCash->text(), Money(vars.Cash));
    check.Same("lblBank", window.lblBank->text(), Money(vars.BankBalance));
    check.Same("lblDebt", window.lblDebt->text(), Money(vars.Debt));
    check.Same("lblJacketSpace", window.lblJacketSpace->text(),
               QStringLiteral("Slaves: %1/%2")
                   .arg(vars.SlaveCount - vars.ItemsCarried)
                   .arg(vars.SlaveCount));
    check.Same("lblFavour", window.lblFavour->text(),
               QStringLiteral("Favour = %1%").arg(vars.Favour));
    check.Same("lblBank enabled", window.lblBank->isEnabled(), vars.HasPyramidBank != VbFalse);

    const std::int16_t day = window.Tables().CurrentDay;
    check.Same("caption", window.windowTitle(),
               QString::fromStdString(day == 0 ? "Dunemark" : DayCaption(day)));
    for (int r = 1; r <= ItemCount; ++r) {
        const auto& market = vars.MarketItems[r];
        check.Same("Grid1 name", window.Grid1->TextMatrix(r, 0),
                   QString::fromStdString(CellText(market[NameField][vars.CurrentTown])));
        check.Same("Grid1 price", window.Grid1->TextMatrix(r, 1),
                   Money(CellNumber(market[PriceField][vars.CurrentTown])));
        for (int c = 0; c < 3; ++c)
            check.Same("Grid2 cell", window.Grid2->TextMatrix(r, c),
                       QString::fromStdString(CellText(vars.Holdings[r][c])));
    }
}

// The stage of the game decides the controls: trading while it runs, no buying on the last
// day, nothing but the menus once it is over.
void CheckControls(Checker& check, const frmMain& window, const PlayerView& seen) {
    const MainTables& tables = window.Tables();
    const bool lastDay = tables.CurrentDay == tables.LastDay;
    check.Same("game over against the day", seen.over,
               tables.CurrentDay == tables.LastDay + 1 || seen.endedByFinish);
    for (const TownLabel* town : window.lblTown)
        check.Same("town enabled", town->isEnabled(), !seen.over);
    check.Same("Buy enabled", window.cmdBuy->isEnabled(), !seen.over && !lastDay);
    check.Same("Sell enabled", window.cmdSell->isEnabled(), !seen.over && seen.sellEnabled);
    check.Same("Finances enabled", window.cmdFinances->isEnabled(), !seen.over);
    check.Same("Special enabled", window.cmdSpecial->isEnabled(), !seen.over);
    check.Same("Finish shown", !window.cmdFinish->isHidden(), tables.CurrentDay >= tables.LastDay);
    check.Same("Finish enabled", window.cmdFinish->isEnabled(), !seen.endedByFinish);
    for (const QAction* menu :
         {window.mnuNewGame, window.mnuExit, window.mnuHighS, window.mnuStory, window.mnuAbout})
        check.Holds("every menu entry is enabled", menu->isEnabled());
}

} // namespace

std::vector<std::string> BrokenInvariants(const DeclareVars& vars, const frmMain& window,
                                          const PlayerView& seen) {
    Checker check;
    CheckCounts(check, vars, window.Tables());
    CheckLabels(check, vars, window);
    CheckControls(check, window, seen);
    return check.broken;
}

} // namespace dunemark
