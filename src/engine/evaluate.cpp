#include "engine/evaluate.h"

#include <algorithm>

#include "engine/evaluate_rules.h"

namespace qf {

const char* CategoryName(uint32_t category) {
  static constexpr const char* kNames[] = {"High Card", "Pair",    "2 Pair", "Trips",  "Straight",
                                           "Flush",     "Full Hs", "4 Up",   "S-Flush"};
  return category < 9 ? kNames[category] : "";
}

uint32_t EvaluateHand(const uint8_t* cards, int n) {
  if (n < 2 || n > 9) return 0;
  RankCounts counts{};
  unsigned suitBits[4] = {};
  int suitCounts[4] = {};
  for (int i = 0; i < n; ++i) {
    int code = cards[i] - 1;
    counts[code % 13] += 1;
    suitBits[code / 13] |= 1u << (code % 13);
    suitCounts[code / 13] += 1;
  }
  uint32_t value = RankCountValue(counts);
  for (int suit = 0; suit < 4; ++suit) {
    if (suitCounts[suit] >= 5) value = std::max(value, SuitedValue(suitBits[suit]));
  }
  return value;
}

uint32_t EvaluateBest(const uint8_t* cards, int n, int holeCards) {
  if (holeCards != 4 || n != 9) return EvaluateHand(cards, n);
  uint32_t best = 0;
  for (int a = 0; a < 4; ++a) {
    for (int b = a + 1; b < 4; ++b) {
      for (int x = 4; x < 9; ++x) {
        for (int y = x + 1; y < 9; ++y) {
          for (int z = y + 1; z < 9; ++z) {
            const uint8_t hand[5] = {cards[a], cards[b], cards[x], cards[y], cards[z]};
            best = std::max(best, EvaluateHand(hand, 5));
          }
        }
      }
    }
  }
  return best;
}

}  // namespace qf
