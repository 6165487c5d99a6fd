// Money moved between a seat's cash account (balance) and its chips. Every
// move keeps the seat's profit (balance + chips) unchanged, the chips on the
// table within what an amount holds, and the balance within its 32 bits.
#pragma once

#include <cstdint>

#include "engine/table_record.h"

namespace qf {

// A seat's buy-in: 100 base bets.
uint32_t BuyInAmount(const TableRecord& table);

// The most chips the seat can buy now on credit.
uint32_t BuyInRoom(const TableRecord& table, int seat);

// Buys as much of amount as there is room for; returns the chips bought.
uint32_t BuyChips(TableRecord& table, int seat, uint64_t amount);

// Moves the seat's chips into its balance, as many as the balance holds;
// returns the chips moved.
uint32_t CashIn(PlayerRecord& player);

}  // namespace qf
