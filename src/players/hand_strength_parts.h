// The separate inputs of EstimateHandStrength, exposed so they can be checked
// one at a time. Internal to the computer players.
#pragma once

#include <cstdint>

#include "engine/pots.h"
#include "engine/table_record.h"

namespace qf {

// 3 best now and at the river, 1 now only, 2 at the river only, 0 neither.
// The last entry of the list of winners now decides.
int OutlookFromLists(const WinnerList& now, const WinnerList& river, int seat);
int Outlook(const TableRecord& table, int seat);

// Hand category with the seat's first two cards minus without them; 0 while
// the seat holds 3 cards or fewer.
int Improvement(const TableRecord& table, int seat);

// The seat's fold rate minus the human seats' average, in percentage points;
// 0 before the seat has played 20 hands or while no human has played one.
int FoldDelta(const TableRecord& table, int seat);

// callAmount / unit cut to 1..10.
int CallRatio(uint32_t callAmount, uint64_t unit);

}  // namespace qf
