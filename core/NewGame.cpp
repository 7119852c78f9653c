#include "core/NewGame.h"

namespace dunemark {

void FillTables(MainTables& tables) {
    tables.ItemNames = {"Gold",    "Silver",         "Grapes", "Water",  "Wheat",
                        "Papyrus", "Granite Statue", "Sphinx", "Marble", "Granite"};
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
