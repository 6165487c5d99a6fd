// Pots, showdown and payout.
#pragma once

#include <cstdint>

#include "engine/table_record.h"

namespace qf {

struct WinnerList {
  uint8_t seats[kSeatCount] = {};
  int count = 0;
};

// The seats with the highest hand among those not out with a stake. With
// assumeFullBoard each is valued as if all five board cards were dealt.
WinnerList FindWinners(const TableRecord& table, bool assumeFullBoard);

// The rake the payout takes from a stake of a seat in play.
uint32_t RakeOn(uint32_t stake, uint8_t rakePercent);

// Rake (rakePaid stops at its largest value), statistics, and every pot and side pot paid into winnings; stake that
// no live seat contested goes back to its seat's chips. Does nothing when no
// seat with a stake is left (so it is safe to repeat).
void PayShowdown(TableRecord& table);

// PayShowdown, then winnings into chips and every seat out of the hand.
void EndHand(TableRecord& table);

// Chips on the table: chips + inPot + winnings over all seats.
uint64_t ChipsOnTable(const TableRecord& table);

}  // namespace qf
