// Pots, showdown and payout.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/table_record.h"

namespace qf {

struct WinnerList {
  uint8_t seats[kSeatCount] = {};
  int count = 0;
};

// The seats with the highest hand among those not out with a stake. With
// assumeFullBoard each is valued as if all five board cards were dealt.
WinnerList FindWinners(const TableRecord& table, bool assumeFullBoard);

// What a payout did, for the hand history: each pot (main pot first) with the
// chips it gathered and its winners (odd chips that a split leaves roll on
// into the next pot, finally to the dealer's seat), and the rake of each seat.
struct PayoutReport {
  struct Pot {
    uint64_t amount = 0;
    WinnerList winners;
  };
  std::vector<Pot> pots;
  std::array<uint32_t, kSeatCount> rake{};
  uint64_t oddChips = 0;  // left over from the last split, paid to the dealer's seat
};

// The rake the payout takes from a stake of a seat in play.
uint32_t RakeOn(uint32_t stake, uint8_t rakePercent);

// Rake (rakePaid stops at its largest value), statistics, and every pot and side pot paid into winnings; stake that
// no live seat contested goes back to its seat's chips. Does nothing when no
// seat with a stake is left (so it is safe to repeat).
void PayShowdown(TableRecord& table, PayoutReport* report = nullptr);

// PayShowdown, then winnings into chips and every seat out of the hand.
void EndHand(TableRecord& table);

// Chips on the table: chips + inPot + winnings over all seats.
uint64_t ChipsOnTable(const TableRecord& table);

}  // namespace qf
