// Hand evaluation. A hand value is category * 1310720 + detail; a better hand
// always has a larger value and equal hands equal values.
//
// Values come from tables generated at build time (evaluate_tables.h): the
// card keys of a hand are summed and the sum looked up, seven cards in one
// table and five in another (six as the best of their fives, eight and nine
// as the best of their sevens, fewer than five from their ranks directly),
// flushes worked out from the suit's ranks. Seven and five cards without a
// flush, the cases that count for speed, are valued inline here; the rest
// out of line.
#pragma once

#include <array>
#include <cstdint>

#include "engine/evaluate_tables.h"

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

// EvaluateHand's out-of-line parts: any hand; n 2..9 cards whose card keys
// and kHandKeyStart sum to `sum`; seven cards whose sum shows a flush or a
// code outside 1..52.
uint32_t EvaluateHandOutOfLine(const uint8_t* cards, int n);
uint32_t ValueOfSum(const uint8_t* cards, int n, uint64_t sum);
uint32_t SevenCardsOutOfLine(const uint8_t* cards, uint64_t sum);

// The best hand the n cards (2..9 codes 1..52, no duplicates) contain; 0 for
// n outside 2..9 or a code outside 1..52. The cards are not changed.
inline uint32_t EvaluateHand(const uint8_t* cards, int n) {
  const std::array<uint64_t, 256>& first = kEvaluatorTables.firstCardKeys;
  const std::array<uint64_t, 256>& key = kEvaluatorTables.cardKeys;
  if (n == 7) {
    const uint64_t sum = first[cards[0]] + key[cards[1]] + key[cards[2]] + key[cards[3]] +
                         key[cards[4]] + key[cards[5]] + key[cards[6]];
    if ((sum & kNotPlainSevenBits) == 0) [[likely]] return SevenCardRankValue(RankKeyOf(sum));
    return SevenCardsOutOfLine(cards, sum);
  }
  if (n == 5) {
    const uint64_t sum = first[cards[0]] + key[cards[1]] + key[cards[2]] + key[cards[3]] + key[cards[4]];
    if ((sum & (kFlushBits | kBadCodeBits)) == 0) [[likely]] return FiveCardRankValue(RankKeyOf(sum));
    return ValueOfSum(cards, 5, sum);
  }
  return EvaluateHandOutOfLine(cards, n);
}

// With Omaha (holeCards 4) and n 9: the best of the 60 hands of exactly two
// hole cards (cards 0..3) and three board cards (4..8). Otherwise EvaluateHand.
uint32_t EvaluateBest(const uint8_t* cards, int n, int holeCards);

// A hand built up a card at a time, for valuing many hands that share cards
// (an odds calculator's deals): add the shared cards once, then each hand's
// own cards to a copy, and value the copy.
//
//   const HandKey board = AddCards(HandKey{}, boardCards, 5);
//   uint32_t value = ValueOfKey(AddCards(board, holeCards, 2));
//
// The value is EvaluateHand's for the same cards, in any order: 0 for fewer
// than two or more than nine cards, or a code outside 1..52. The cards must
// be distinct. Seven cards cost one lookup, as in EvaluateHand.
struct HandKey {
  uint64_t sum = kHandKeyStart;  // of card keys (evaluate_tables.h)
  uint64_t cards = 0;            // bit code - 1 set for every code 1..52
};

inline HandKey AddCard(HandKey key, uint8_t code) {
  key.sum += kEvaluatorTables.cardKeys[code];
  key.cards |= code - 1u < 52u ? uint64_t{1} << (code - 1) : 0;
  return key;
}

inline HandKey AddCards(HandKey key, const uint8_t* codes, int n) {
  for (int i = 0; i < n; ++i) key = AddCard(key, codes[i]);
  return key;
}

// ValueOfKey for any key, seven plain cards included.
uint32_t ValueOfKeyOutOfLine(HandKey key);

inline uint32_t ValueOfKey(HandKey key) {
  if ((key.sum & kNotPlainSevenBits) == 0) [[likely]] {
    return SevenCardRankValue(RankKeyOf(key.sum));
  }
  return ValueOfKeyOutOfLine(key);
}

}  // namespace qf
