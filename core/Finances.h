#pragma once

#include "core/DeclareVars.h"

#include <cstdint>

namespace dunemark {

// The most the player may pay off: no more than he owes, nor more than he has.
std::int32_t PayLoanLimit(std::int32_t cash, std::int32_t debt);

// The three money moves of the finances window, for an amount from 0 to the limit the amount
// dialog was given. Money is never created or lost: a balance that cannot hold all of an
// amount takes what it can, and the rest stays where it was.
void Deposit(DeclareVars& vars, std::int32_t amount);
void Withdraw(DeclareVars& vars, std::int32_t amount);
void PayLoan(DeclareVars& vars, std::int32_t amount);

} // namespace dunemark
