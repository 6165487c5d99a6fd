// What a computer seat reads from the table before it acts.
#pragma once

#include <cstdint>

#include "engine/rng.h"
#include "engine/table_record.h"

namespace qf {

struct HandStrength {
  int outlook = 0;        // 3 best now and at the river, 1 now only, 2 river only, 0 neither
  int improvement = 0;    // category with the hole cards minus without them (from the flop)
  int foldDelta = 0;      // own fold rate minus the humans' average, percentage points
  int liveOthers = 0;     // seats in play and not out, minus one
  int seatedOthers = 0;   // seats in play, minus one
  int liveWithChips = 0;  // seats in play, not out, with chips
  int callRatio = 1;      // amount to call / unit, cut to 1..10
  uint64_t unit = 0;      // stake multiplier * baseBet
  int r = 0;              // the decision's one draw, 0..99
};

// Computes the inputs for the acting seat; draws r from rng (one draw).
HandStrength EstimateHandStrength(const TableRecord& table, int seat, uint32_t callAmount, Rng& rng);

}  // namespace qf
