#include "core/Travel.h"

#include "core/Chance.h"
#include "core/Market.h"
#include "core/NumberText.h"
#include "core/Saturate.h"

#include <cmath>

namespace dunemark {

namespace {

// The factor that adds (or, negative, takes away) `percent` of a sum.
constexpr double Change(int percent) {
    return 1 + percent / 100.0;
}

// A draw for the day as a whole: the dangers and the bonus of a day are the same wherever the
// player is.
float DayDraw(GameServices& services, const MainTables& tables, DrawPurpose purpose) {
    return Draw(services, tables, {tables.CurrentDay, NoTown, NoItem, purpose});
}

void PayFavourBonus(DeclareVars& vars, const MainTables& tables, GameServices& services) {
    vars.Favour = 0;
    const auto bonus = static_cast<std::int32_t>(std::floor(
        static_cast<double>(DayDraw(services, tables, DrawPurpose::Bonus)) * BonusCeiling));
    vars.Cash = AddMoney(vars.Cash, bonus);
    Tell(services, {Phrase::FavourBonus, FormatMoney(bonus, services.groupSeparator)},
         MsgIcon::Exclamation);
}

} // namespace

Said DayCaption(std::int16_t day) {
    return {Phrase::DayCaption, std::to_string(day)};
}

void CarryOutDay(DeclareVars& vars, const MainTables& tables, GameServices& services) {
    vars.Debt = RoundMoney(vars.Debt * Change(LoanInterestPercent));
    vars.BankBalance = RoundMoney(vars.BankBalance * Change(BankInterestPercent));

    if (tables.MishapsEnabled != VbFalse) {
        if (OneChanceIn(DayDraw(services, tables, DrawPurpose::Mugging), MuggingChance)) {
            vars.Cash = RoundMoney(vars.Cash * Change(-MuggingLossPercent));
            Tell(services, Phrase::Mugged, MsgIcon::Critical);
        }
        if (vars.HasPyramidBank != VbFalse &&
            OneChanceIn(DayDraw(services, tables, DrawPurpose::Robbery), RobberyChance)) {
            vars.BankBalance = RoundMoney(vars.BankBalance * Change(-RobberyLossPercent));
            Tell(services, Phrase::BankRobbed, MsgIcon::Critical);
        }
    }

    if (vars.Favour >= FavourForBonus)
        PayFavourBonus(vars, tables, services);
}

MoveResult MoveToTown(DeclareVars& vars, MainTables& tables, std::int16_t town,
                      GameServices& services, TravelView& view) {
    // The game is over once the day after the last has begun: no further move counts.
    if (town == vars.CurrentTown || tables.CurrentDay > tables.LastDay)
        return MoveResult::Stayed;

    view.MarkTowns(town);
    view.SuspendMarketRepaint();
    vars.CurrentTown = town;
    GenerateMarket(vars, tables, services, AddShort(tables.CurrentDay, 1));
    view.ShowMarket();
    view.ResumeMarketRepaint();

    tables.CurrentDay = AddShort(tables.CurrentDay, 1);
    view.ShowDay(tables.CurrentDay);

    if (tables.CurrentDay == tables.LastDay) {
        view.LastDayReached();
        Tell(services, Phrase::LastDay, MsgIcon::Critical);
    }
    if (tables.CurrentDay == tables.LastDay + 1) {
        view.GameOver();
        return MoveResult::GameEnded;
    }

    CarryOutDay(vars, tables, services);
    view.ShowStatus();
    return MoveResult::DayBegun;
}

} // namespace dunemark
