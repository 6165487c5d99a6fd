// Turn order: what must happen next in the hand, and betting-round closure.
#pragma once

#include <cstdint>

#include "engine/table_record.h"

namespace qf {

enum TurnCode : int {
  TurnNoTable = 0,
  TurnNewHand = 1,
  TurnForcedBet = 2,
  TurnAct = 3,
  TurnDeal = 4,
  TurnShowdown = 5,
  TurnLastStanding = 6,
};

struct Turn {
  TurnCode code = TurnNoTable;
  int seat = 0;         // the seat that owes or acts (0 when none)
  uint32_t amount = 0;  // forced amount, or the amount to call
};

// Marks inactive seats out, closes a complete betting round (advancing the
// street marker) and answers what comes next.
Turn NextTurn(TableRecord& table);

inline bool IsOut(const TableRecord& table, int seat) {
  uint32_t s = table.players[seat].status;
  return s == StatusOut || s == StatusFolded;
}

inline bool IsOutOrInactive(const TableRecord& table, int seat) {
  return IsOut(table, seat) || table.players[seat].kind == KindInactive;
}

}  // namespace qf
