#include "engine/evaluate.h"

#include <algorithm>
#include <bit>

#include "engine/cards.h"
#include "engine/evaluate_rules.h"

namespace qf {
namespace {

uint64_t CardKey(uint8_t code) {
  return kEvaluatorTables.cardKeys[code];
}

// Rank bits of the cards of the suit whose counter in `sum` shows five or
// more, and that suit's value; 0 without such a suit.
uint32_t FlushValue(const uint8_t* cards, int n, uint64_t sum) {
  const uint64_t flush = sum & kFlushBits;
  if (flush == 0) return 0;
  const int suit = (std::countr_zero(flush) - std::countr_zero(kSuitCountUnit) - 3) / 4;
  unsigned rankBits = 0;
  for (int i = 0; i < n; ++i) {
    if (CardSuit(cards[i]) == suit) rankBits |= 1u << CardRank(cards[i]);
  }
  return SuitedValue(rankBits);
}

// Value ignoring suits of n good cards whose rank keys sum to rankKey: five
// or seven in one lookup, six as the best of their five-card hands, eight or
// nine as the best of their seven-card hands, fewer than five by the rules.
uint32_t RankOnlyValue(const uint8_t* cards, int n, uint32_t rankKey) {
  uint32_t best = 0;
  switch (n) {
    case 2:
    case 3:
    case 4: {
      RankCounts counts{};
      for (int i = 0; i < n; ++i) ++counts[CardRank(cards[i])];
      return RankCountValue(counts);
    }
    case 5:
      return FiveCardRankValue(rankKey);
    case 6:
      for (int i = 0; i < 6; ++i) {
        best = std::max(best, FiveCardRankValue(rankKey - static_cast<uint32_t>(CardKey(cards[i]))));
      }
      return best;
    case 7:
      return SevenCardRankValue(rankKey);
    default:
      for (int i = 0; i < n; ++i) {
        const uint32_t without = rankKey - static_cast<uint32_t>(CardKey(cards[i]));
        if (n == 8) {
          best = std::max(best, SevenCardRankValue(without));
          continue;
        }
        for (int j = i + 1; j < n; ++j) {
          best = std::max(best, SevenCardRankValue(without - static_cast<uint32_t>(CardKey(cards[j]))));
        }
      }
      return best;
  }
}

// Rank bits (1 << rank index) to bits by value: Two 1 .. King 12, Ace 13.
unsigned ValueBits(unsigned rankBits) {
  return (rankBits & ~1u) | (rankBits & 1u) << 13;
}

// `bits` with all but its `count` highest set bits cleared.
unsigned HighestBits(unsigned bits, int count) {
  while (std::popcount(bits) > count) bits &= bits - 1;
  return bits;
}

// The best Omaha flush or straight flush: only a suit with two or more hole
// and three or more board cards makes one, and five board cards leave room
// for one such suit at most.
uint32_t OmahaFlushValue(const uint8_t* cards, uint64_t holeSum, uint64_t boardSum) {
  // Bit 3 of a suit's counter plus 6 (plus 5) is set from 2 (3) cards on.
  const uint64_t suits = (holeSum + 6 * 0x1111 * kSuitCountUnit) &
                         (boardSum + 5 * 0x1111 * kSuitCountUnit) & kFlushBits;
  if (suits == 0) return 0;
  const int suit = (std::countr_zero(suits) - std::countr_zero(kSuitCountUnit) - 3) / 4;
  unsigned holeRanks = 0;
  unsigned boardRanks = 0;
  for (int i = 0; i < 9; ++i) {
    if (CardSuit(cards[i]) == suit) (i < 4 ? holeRanks : boardRanks) |= 1u << CardRank(cards[i]);
  }
  // A straight flush fills a window of five positions (rank index, the Ace
  // also at 13) with two hole and three board ranks; the highest wins.
  const unsigned hole = holeRanks | (holeRanks & 1u) << 13;
  const unsigned board = boardRanks | (boardRanks & 1u) << 13;
  for (int low = 9; low >= 0; --low) {
    const unsigned window = 0x1fu << low;
    if (std::popcount(hole & window) == 2 && std::popcount(board & window) == 3) {
      return CategoryStraightFlush * kCategoryStep + static_cast<uint32_t>(low + 1);
    }
  }
  // Otherwise the two highest hole and three highest board cards.
  return CategoryFlush * kCategoryStep +
         (HighestBits(ValueBits(holeRanks), 2) | HighestBits(ValueBits(boardRanks), 3));
}

// The best five-card value, ignoring suits, of the hole pair with three of
// the board cards, from the products (by FiveCardHash::kFactor) of the pair's
// and the board cards' rank keys.
uint32_t BestWithPair(uint32_t pair, uint32_t b0, uint32_t b1, uint32_t b2, uint32_t b3,
                      uint32_t b4) {
  const auto value = FiveCardRankValueOfProduct;
  const uint32_t p01 = pair + b0 + b1;
  const uint32_t p02 = pair + b0 + b2;
  const uint32_t p12 = pair + b1 + b2;
  const uint32_t p3 = pair + b3;
  uint32_t x = std::max(value(p01 + b2), value(p01 + b3));
  uint32_t y = std::max(value(p01 + b4), value(p02 + b3));
  x = std::max(x, std::max(value(p02 + b4), value(p3 + b0 + b4)));
  y = std::max(y, std::max(value(p12 + b3), value(p12 + b4)));
  x = std::max(x, std::max(value(p3 + b1 + b4), value(p3 + b2 + b4)));
  return std::max(x, y);
}

// The best Omaha hand ignoring suits. A pair of hole cards can do no better
// with three board cards than with all five, a seven-card lookup; pairs are
// valued in full, ten lookups each, only while that bound beats the best so
// far, starting from the pair with the highest bound. Only hands where
// pairs share the highest bound need more than one.
uint32_t OmahaRankValue(const uint64_t (&keys)[9]) {
  uint32_t k[9];
  for (int i = 0; i < 9; ++i) k[i] = static_cast<uint32_t>(keys[i]);
  const uint32_t pairKeys[6] = {k[0] + k[1], k[0] + k[2], k[0] + k[3],
                                k[1] + k[2], k[1] + k[3], k[2] + k[3]};
  const uint32_t boardKey = k[4] + k[5] + k[6] + k[7] + k[8];
  // Each bound with its pair's index in the low bits, so one maximum finds both.
  uint64_t bounds[6];
  uint64_t highest = 0;
  for (int p = 0; p < 6; ++p) {
    bounds[p] = uint64_t{SevenCardRankValue(boardKey + pairKeys[p])} << 3 | p;
    highest = std::max(highest, bounds[p]);
  }
  constexpr uint32_t kFactor = FiveCardHash::kFactor;
  const uint32_t b0 = k[4] * kFactor;
  const uint32_t b1 = k[5] * kFactor;
  const uint32_t b2 = k[6] * kFactor;
  const uint32_t b3 = k[7] * kFactor;
  const uint32_t b4 = k[8] * kFactor;
  const int first = static_cast<int>(highest & 7);
  uint32_t best = BestWithPair(pairKeys[first] * kFactor, b0, b1, b2, b3, b4);
  uint64_t others = 0;
  for (int p = 0; p < 6; ++p) others = std::max(others, p == first ? 0 : bounds[p]);
  if (others >> 3 > best) [[unlikely]] {
    for (int p = 0; p < 6; ++p) {
      if (p != first && bounds[p] >> 3 > best) {
        best = std::max(best, BestWithPair(pairKeys[p] * kFactor, b0, b1, b2, b3, b4));
      }
    }
  }
  return best;
}

// Any Omaha hand holding a code outside 1..52 is valued five cards at a time.
uint32_t EvaluateOmahaOneByOne(const uint8_t* cards) {
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

}  // namespace

const char* CategoryName(uint32_t category) {
  static constexpr const char* kNames[] = {"High Card", "Pair",    "2 Pair", "Trips",  "Straight",
                                           "Flush",     "Full Hs", "4 Up",   "S-Flush"};
  return category < 9 ? kNames[category] : "";
}

uint32_t EvaluateHandOutOfLine(const uint8_t* cards, int n) {
  if (n < 2 || n > 9) return 0;
  uint64_t sum = kHandKeyStart;
  for (int i = 0; i < n; ++i) sum += CardKey(cards[i]);
  if (sum & kBadCodeBits) return 0;
  return std::max(RankOnlyValue(cards, n, static_cast<uint32_t>(sum)), FlushValue(cards, n, sum));
}

uint32_t EvaluateBest(const uint8_t* cards, int n, int holeCards) {
  if (holeCards != 4 || n != 9) return EvaluateHand(cards, n);
  uint64_t keys[9];
  for (int i = 0; i < 9; ++i) keys[i] = CardKey(cards[i]);
  const uint64_t holeSum = keys[0] + keys[1] + keys[2] + keys[3];
  const uint64_t boardSum = keys[4] + keys[5] + keys[6] + keys[7] + keys[8];
  if ((holeSum | boardSum) & kBadCodeBits) return EvaluateOmahaOneByOne(cards);
  return std::max(OmahaRankValue(keys), OmahaFlushValue(cards, holeSum, boardSum));
}

uint32_t ValueOfKeyOutOfLine(const HandKey& key) {
  const int n = std::popcount(key.cards);
  if (key.sum & kBadCodeBits || n > 9) return 0;
  uint8_t cards[9];
  int i = 0;
  for (uint64_t rest = key.cards; rest != 0; rest &= rest - 1) {
    cards[i++] = static_cast<uint8_t>(std::countr_zero(rest) + 1);
  }
  return EvaluateHandOutOfLine(cards, n);
}

}  // namespace qf
