#include "core/Finances.h"

#include <gtest/gtest.h>
#include <limits>

namespace dunemark {
namespace {

constexpr std::int32_t MaxMoney = std::numeric_limits<std::int32_t>::max();

TEST(PayLoanLimit, IsTheSmallerOfCashAndDebt) {
    struct Case {
        std::int32_t cash, debt, expected;
    };
    const Case cases[] = {
        {2000, 5000, 2000}, {9000, 3000, 3000}, {3000, 3000, 3000},
        {0, 5000, 0},       {700, 0, 0},        {MaxMoney, 12, 12},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PayLoanLimit(c.cash, c.debt), c.expected) << c.cash << " " << c.debt;
}

enum class Move { Deposit, Withdraw, PayLoan };

struct MoveCase {
    const char* name;
    Move move;
    std::int32_t cash, bank, debt, amount;
    std::int32_t cashAfter, bankAfter, debtAfter;
};

// Only a balance at the top of its width holds back part of an amount, and what it cannot take
// stays with the other side.
const MoveCase moveCases[] = {
    {"deposit", Move::Deposit, 1000, 0, 5000, 400, 600, 400, 5000},
    {"deposit all", Move::Deposit, 1000, 50, 0, 1000, 0, 1050, 0},
    {"deposit nothing", Move::Deposit, 1000, 50, 0, 0, 1000, 50, 0},
    {"deposit into a full bank", Move::Deposit, 1000, MaxMoney - 10, 0, 400, 990, MaxMoney, 0},
    {"withdraw", Move::Withdraw, 600, 400, 0, 150, 750, 250, 0},
    {"withdraw into full cash", Move::Withdraw, MaxMoney - 10, 1000, 0, 1000, MaxMoney, 990, 0},
    {"withdraw into cash at the top", Move::Withdraw, MaxMoney, 1000, 0, 1000, MaxMoney, 1000, 0},
    {"pay part", Move::PayLoan, 2000, 0, 5000, 2000, 0, 0, 3000},
    {"pay off", Move::PayLoan, 9000, 0, 3000, 3000, 6000, 0, 0},
    {"pay nothing", Move::PayLoan, 9000, 7, 3000, 0, 9000, 7, 3000},
};

TEST(FinanceMoves, MoveMoneyWithoutMakingOrLosingAny) {
    for (const MoveCase& c : moveCases) {
        DeclareVars vars;
        vars.Cash = c.cash;
        vars.BankBalance = c.bank;
        vars.Debt = c.debt;
        switch (c.move) {
        case Move::Deposit:
            Deposit(vars, c.amount);
            break;
        case Move::Withdraw:
            Withdraw(vars, c.amount);
            break;
        case Move::PayLoan:
            PayLoan(vars, c.amount);
            break;
        }
        EXPECT_EQ(vars.Cash, c.cashAfter) << c.name;
        EXPECT_EQ(vars.BankBalance, c.bankAfter) << c.name;
        EXPECT_EQ(vars.Debt, c.debtAfter) << c.name;
    }
}

} // namespace
} // namespace dunemark
