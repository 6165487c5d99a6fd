// The five figures of the Game Stats dialog.
#pragma once

#include <cstdint>

#include "engine/table_record.h"

namespace qf {

struct TableFigures {
  int totalHands = 0;      // the largest handsPlayed of the ten seats
  uint64_t totalRake = 0;  // rakePaid summed over the ten seats
  int skillBalance = 0;    // its sign gives the table's level
  int playerCount = 0;
  uint64_t cashAtTable = 0;  // chips + inPot of every seat in play
};

TableFigures ComputeTableFigures(const TableRecord& table);

}  // namespace qf
