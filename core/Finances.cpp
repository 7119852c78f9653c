#include "core/Finances.h"

#include "core/Saturate.h"

#include <algorithm>

namespace dunemark {

namespace {

void Move(std::int32_t& from, std::int32_t& to, std::int32_t amount) {
    const std::int32_t received = AddMoney(to, amount);
    const std::int64_t moved = static_cast<std::int64_t>(received) - to;
    to = received;
    from = AddMoney(from, -moved);
}

} // namespace

std::int32_t PayLoanLimit(std::int32_t cash, std::int32_t debt) {
    return std::min(cash, debt);
}

void Deposit(DeclareVars& vars, std::int32_t amount) {
    Move(vars.Cash, vars.BankBalance, amount);
}

void Withdraw(DeclareVars& vars, std::int32_t amount) {
    Move(vars.BankBalance, vars.Cash, amount);
}

void PayLoan(DeclareVars& vars, std::int32_t amount) {
    vars.Debt = AddMoney(vars.Debt, -static_cast<std::int64_t>(amount));
    vars.Cash = AddMoney(vars.Cash, -static_cast<std::int64_t>(amount));
}

} // namespace dunemark
