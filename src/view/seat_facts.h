// Small facts about the seats that several drawings ask.
#pragma once

#include <algorithm>
#include <iterator>

#include "engine/table_record.h"

namespace qf {

// True when the table's layout has a place for the seat (ten seats, or the
// first six of the six-seat table).
inline bool SeatInLayout(const TableRecord& table, int seat) {
  if (seat < 0 || seat >= kSeatCount) return false;
  if (table.smallTable == 0) return true;
  return table.smallTable == 1 && seat < 6;
}

// True once the hand is settled and some seat collects.
inline bool AnySeatWon(const TableRecord& table) {
  return std::any_of(std::begin(table.players), std::end(table.players),
                     [](const PlayerRecord& p) { return p.winnings != 0; });
}

}  // namespace qf
