// Tallies what the seats do tick by tick: folds, checks, calls, and bets or
// raises.
#pragma once

#include <array>
#include <cstdint>

#include "engine/table_record.h"
#include "sim/simulation.h"

namespace qf {

// The table's own counters say what happened on a tick, as long as none of
// them has reached its limit of 65,535 (where it stops counting). From then
// on the seat to act is asked of the turn order before the tick and its
// action read from the table after it.
class ActionTally {
 public:
  // Call right before a tick.
  void Before(TableRecord& table);
  // Call right after it: adds the tick's action to the seat's stats.
  void After(const TableRecord& table, std::array<SeatStats, kSeatCount>& seats) const;

 private:
  struct Counts {
    uint16_t folds, checks, calls, raises;
  };
  std::array<Counts, kSeatCount> before_{};
  bool fromTurn_ = false;
  int actor_ = -1;
  uint32_t actorInPot_ = 0;
};

}  // namespace qf
