// Hand evaluation. A hand value is category * 1310720 + detail; a better hand
// always has a larger value and equal hands equal values.
#pragma once

#include <cstdint>

namespace qf {

inline constexpr uint32_t kCategoryStep = 1310720;

enum HandCategory : uint32_t {
  CategoryHighCard = 0,
  CategoryPair = 1,
  CategoryTwoPair = 2,
  CategoryTrips = 3,
  CategoryStraight = 4,
  CategoryFlush = 5,
  CategoryFullHouse = 6,
  CategoryQuads = 7,
  CategoryStraightFlush = 8,
};

inline constexpr uint32_t CategoryOf(uint32_t value) { return value / kCategoryStep; }

// "High Card", "Pair", "2 Pair", "Trips", "Straight", "Flush", "Full Hs",
// "4 Up", "S-Flush"; "" for a category outside 0..8.
const char* CategoryName(uint32_t category);

// The best hand the n cards (2..9 codes 1..52, no duplicates) contain; 0 for
// n outside 2..9. The cards are not changed.
uint32_t EvaluateHand(const uint8_t* cards, int n);

// With Omaha (holeCards 4) and n 9: the best of the 60 hands of exactly two
// hole cards (cards 0..3) and three board cards (4..8). Otherwise EvaluateHand.
uint32_t EvaluateBest(const uint8_t* cards, int n, int holeCards);

}  // namespace qf
