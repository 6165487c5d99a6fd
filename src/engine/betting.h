// Betting rules: forced bets, bet and raise limits per structure, and how an
// action moves chips. Amounts are 32-bit throughout.
#pragma once

#include <cstdint>

#include "engine/table_record.h"

namespace qf {

struct BetLimitsResult {
  bool forced = false;  // a blind or ante is due now; min == max == its amount
  uint32_t min = 0;     // otherwise the smallest and largest bet or raise
  uint32_t max = 0;     // on top of committed
};

// A blind or ante owed now: the seat that posts it (-1 when none is due) and
// its amount.
struct ForcedBet {
  int seat = -1;
  uint32_t amount = 0;
};

// The forced bet due before the deal, if any: with blinds the small and then
// the big blind from the dealer's left (a small blind of nothing counts as
// posted), with antes every seat in play that has chips, in turn.
ForcedBet DueForcedBet(const TableRecord& table);

// A street's limits as the structure sets them, before a short stack cuts
// them: street 0 pre-flop .. 3 river; max 0 for pot limit and no limit,
// whose largest bet is the pot or the stack.
struct StreetLimits {
  uint64_t min = 0;
  uint64_t max = 0;
};
StreetLimits NominalLimits(const TableRecord& table, int street);

// The stake multiplier: progressiveLevel when it is 1 or more, else 1.
uint32_t StakeMultiplier(const TableRecord& table);

// Limits for the seat; committed is what it must put in to call first.
BetLimitsResult BetLimits(const TableRecord& table, int seat, uint32_t committed);

// Check or call (raiseAmount 0), or bet/raise raiseAmount on top of the call.
// Returns the chips actually moved from chips to inPot.
uint32_t ApplyAction(TableRecord& table, int seat, uint32_t callAmount, uint32_t raiseAmount);

// Folds the seat; false when it was already out.
bool FoldSeat(TableRecord& table, int seat);

}  // namespace qf
