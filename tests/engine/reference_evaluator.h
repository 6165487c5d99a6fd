// A plain hand evaluator that follows the value rules step by step, card by
// card, with no tables and no cleverness. The engine's evaluator is checked
// against it.
#pragma once

#include <cstdint>

namespace qf::reference {

// Same contract as EvaluateHand: n cards (codes 1..52) to a hand value, 0 for
// n outside 2..9.
uint32_t EvaluateHand(const uint8_t* cards, int n);

// Same contract as EvaluateBest: the Omaha river hand (holeCards 4, n 9) is the
// best of its 60 two-plus-three hands, anything else EvaluateHand.
uint32_t EvaluateBest(const uint8_t* cards, int n, int holeCards);

}  // namespace qf::reference
