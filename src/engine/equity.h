// A hand's chances against others: the share of the boards (and of the
// unknown opponents' cards) on which it wins alone, ties, and its expected
// share of the pot. Counted exactly over every deal when few enough are left,
// else over random deals drawn with the game's Rng.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/rng.h"

namespace qf {

struct EquitySpot {
  int holeCards = 2;                        // 2 Texas, 4 Omaha (two of them play)
  std::vector<std::vector<uint8_t>> hands;  // each holeCards card codes, or empty: unknown
  std::vector<uint8_t> board;               // 0, 3, 4 or 5 cards dealt so far
};

struct EquityFigures {
  double win = 0;     // percent of deals it wins alone
  double tie = 0;     // percent of deals it shares the best hand
  double equity = 0;  // its expected share of the pot, in percent
  double stdError = 0;  // of the equity, in percentage points; 0 when exact
};

struct EquityResult {
  bool exact = false;
  uint64_t deals = 0;
  std::vector<EquityFigures> hands;
};

// Deals an exact count visits: every way to complete the board and the
// unknown hands (saturating at UINT64_MAX).
uint64_t ExactDealCount(const EquitySpot& spot);

// Exact when the exact count costs at most maxExactWork hand values, else
// sampled over `trials` random deals from rng. The spot must be valid (see
// EquitySpotProblem).
EquityResult ComputeEquity(const EquitySpot& spot, uint64_t trials, Rng& rng,
                           uint64_t maxExactWork);

// "" when the spot can be counted: 2 to 10 hands of holeCards known cards or
// unknown, a board of 0, 3, 4 or 5 cards, no card twice, enough cards left.
const char* EquitySpotProblem(const EquitySpot& spot);

}  // namespace qf
