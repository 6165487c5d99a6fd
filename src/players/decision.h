// The decision of a computer seat: fold, check or call, or a raise.
#pragma once

#include <cstdint>

#include "engine/rng.h"
#include "engine/table_record.h"

namespace qf {

inline constexpr int32_t kDecisionFold = -1;
inline constexpr int32_t kDecisionCall = 0;

// -1 fold, 0 check or call, > 0 raise by that much on top of the call (within
// the BetLimits min and max). Reads the table and changes nothing. Returns 0
// at once for an inactive seat or a seat outside 0..9.
int32_t ComputerDecision(const TableRecord& table, int seat, uint32_t callAmount, Rng& rng);

}  // namespace qf
