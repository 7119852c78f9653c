#include "core/NewGame.h"

#include "core/Phrases.h"

namespace dunemark {

void FillTables(MainTables& tables) {
    tables.ItemNames = {
        DUNEMARK_NOOP("Goods", "Gold"),           DUNEMARK_NOOP("Goods", "Silver"),
        DUNEMARK_NOOP("Goods", "Grapes"),         DUNEMARK_NOOP("Goods", "Water"),
        DUNEMARK_NOOP("Goods", "Wheat"),          DUNEMARK_NOOP("Goods", "Papyrus"),
        DUNEMARK_NOOP("Goods", "Granite Statue"), DUNEMARK_NOOP("Goods", "Sphinx"),
        DUNEMARK_NOOP("Goods", "Marble"),         DUNEMARK_NOOP("Goods", "Granite")};
    tables.BasePrices = {2000, 900, 20, 10, 200, 500, 90000, 40000, 1000, 3000};
    tables.TownNames = {"Origon", "Wailey", "Foxton"};
}

void ResetGame(DeclareVars& vars, MainTables& tables) {
    tables.CurrentDay = 0;
    vars.HasPyramidBank = VbFalse;
    vars.CurrentTown = 0;
    vars.Cash = StartingCash;
    vars.SlaveCount = StartingSlaves;
    vars.ItemsCarried = 0;
    vars.Debt = StartingLoan;
    vars.BankBalance = 0;
    tables.MishapsEnabled = VbTrue;
    tables.LastDay = GameDays;
    vars.Favour = 0;
    vars.FavourStep = SaleFavourStep;
    for (auto& row : vars.Holdings)
        row.fill(Cell{});
    tables.Record.Clear();
}

} // namespace dunemark
