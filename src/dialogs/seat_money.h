// Moving money between a seat's chips and its cash account. Both moves keep
// balance + chips unchanged.
#pragma once

#include "engine/table_record.h"

namespace qf {

// Takes the seat's chips off the table into its balance. Should the balance
// not hold them all, the part that does not fit stays in chips.
void CashIn(PlayerRecord& seat);

// Buys ten base bets of chips on credit. A purchase that would overflow the
// chips or the balance is not made.
void BuyIn(PlayerRecord& seat, uint32_t baseBet);

}  // namespace qf
