#include "engine/evaluate.h"

#include <algorithm>
#include <bit>

#include "engine/cards.h"
#include "engine/evaluate_rules.h"

namespace qf {
namespace {

// Of-a-kind values step by this per rank value (evaluate_rules.cpp).
constexpr uint32_t kOfAKindStep = 65536;

uint64_t CardKey(uint8_t code) {
  return kEvaluatorTables.cardKeys[code];
}

// Good codes as bits, bit code - 1 for each: suit s holds bits 13s .. 13s + 12
// in rank order.
uint64_t CodeBits(const uint8_t* cards, int n) {
  uint64_t even = 0;
  uint64_t odd = 0;
  for (int i = 0; i + 1 < n; i += 2) {
    even |= uint64_t{1} << (cards[i] - 1);
    odd |= uint64_t{1} << (cards[i + 1] - 1);
  }
  if (n % 2 != 0) even |= uint64_t{1} << (cards[n - 1] - 1);
  return even | odd;
}

unsigned SuitRanks(uint64_t codeBits, int suit) {
  return static_cast<unsigned>(codeBits >> (13 * suit)) & 0x1fffu;
}

// The suit whose bit is the lowest of `suitBits` (bit 3 of a suit counter).
int SuitOfCounterBit(uint64_t suitBits) {
  return (std::countr_zero(suitBits) - std::countr_zero(kSuitCountUnit) - 3) / 4;
}

// The value of the flush or straight flush of the suit holding five or more
// of the good cards coded by codeBits, the hand's sum showing which.
uint32_t FlushValue(uint64_t codeBits, uint64_t sum) {
  return SuitedValue(SuitRanks(codeBits, SuitOfCounterBit(sum & kFlushBits)));
}

// Value of two to four good cards, which make no straight or flush: the
// cards held most often (a pair, trips or four, else none) by their rank,
// then every other card's bit 2^value and 2 for each slot no card fills,
// as RankCountValue has them.
uint32_t ShortHandValue(const uint8_t* cards, int n) {
  uint32_t held[4] = {};  // held[k]: bit 2^value of the ranks held more than k times
  uint32_t bits = 0;
  for (int i = 0; i < n; ++i) {
    const uint32_t bit = 1u << RankValue(CardRank(cards[i]));
    bits += bit;
    held[3] |= held[2] & bit;
    held[2] |= held[1] & bit;
    held[1] |= held[0] & bit;
    held[0] |= bit;
  }
  int most = 4;
  while (most > 1 && held[most - 1] == 0) --most;
  if (most == 1) return bits;
  const int value = std::bit_width(held[most - 1]) - 1;
  const uint32_t category = most == 2 ? CategoryPair : most == 3 ? CategoryTrips : CategoryQuads;
  const int emptySlots = std::min(n, 5 - most) - (n - most);
  return category * kCategoryStep + static_cast<uint32_t>(value) * kOfAKindStep +
         (bits - (static_cast<uint32_t>(most) << value)) + 2 * static_cast<uint32_t>(emptySlots);
}

// Value ignoring suits of n good cards whose rank keys sum to rankKey: five
// or seven in one lookup, six as the best of their five-card hands, eight or
// nine as the best of their seven-card hands.
uint32_t RankOnlyValue(const uint8_t* cards, int n, uint32_t rankKey) {
  uint32_t best = 0;
  switch (n) {
    case 2:
    case 3:
    case 4:
      return ShortHandValue(cards, n);
    case 5:
      return FiveCardRankValue(rankKey);
    case 6:
      for (int i = 0; i < 6; ++i) {
        best = std::max(best, FiveCardRankValue(rankKey - RankKeyOf(CardKey(cards[i]))));
      }
      return best;
    case 7:
      return SevenCardRankValue(rankKey);
    default:
      for (int i = 0; i < n; ++i) {
        const uint32_t without = rankKey - RankKeyOf(CardKey(cards[i]));
        if (n == 8) {
          best = std::max(best, SevenCardRankValue(without));
          continue;
        }
        for (int j = i + 1; j < n; ++j) {
          best = std::max(best, SevenCardRankValue(without - RankKeyOf(CardKey(cards[j]))));
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
  const int suit = SuitOfCounterBit(suits);
  const unsigned holeRanks = SuitRanks(CodeBits(cards, 4), suit);
  const unsigned boardRanks = SuitRanks(CodeBits(cards + 4, 5), suit);
  // A straight flush fills a window of five positions (rank index, the Ace
  // also at 13) with two hole and three board ranks; the highest wins.
  const unsigned hole = holeRanks | (holeRanks & 1u) << 13;
  const unsigned both = hole | boardRanks | (boardRanks & 1u) << 13;
  unsigned windows = both & both >> 1 & both >> 2 & both >> 3 & both >> 4;
  for (; windows != 0; windows &= ~(1u << (std::bit_width(windows) - 1))) {
    const int low = std::bit_width(windows) - 1;
    if (std::popcount(hole & 0x1fu << low) == 2) {
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
// with three board cards than with all five, a seven-card lookup; that bound
// settles most hands, and pairs are valued in full, ten lookups each, only
// where they share the highest bound and then while their bounds beat the
// best so far.
uint32_t OmahaRankValue(const uint64_t (&keys)[9]) {
  uint32_t k[9];
  for (int i = 0; i < 9; ++i) k[i] = RankKeyOf(keys[i]);
  const uint32_t pairKeys[6] = {k[0] + k[1], k[0] + k[2], k[0] + k[3],
                                k[1] + k[2], k[1] + k[3], k[2] + k[3]};
  const uint32_t boardKey = k[4] + k[5] + k[6] + k[7] + k[8];
  // Each bound with its pair's index in the low bits, so one maximum finds both.
  uint64_t bounds[6];
  for (int p = 0; p < 6; ++p) bounds[p] = uint64_t{SevenCardRankValue(boardKey + pairKeys[p])} << 3 | p;
  constexpr uint32_t kFactor = FiveCardHash::kFactor;
  const uint32_t b0 = k[4] * kFactor;
  const uint32_t b1 = k[5] * kFactor;
  const uint32_t b2 = k[6] * kFactor;
  const uint32_t b3 = k[7] * kFactor;
  const uint32_t b4 = k[8] * kFactor;
  auto valueWith = [&](uint64_t bound) {
    return BestWithPair(pairKeys[bound & 7] * kFactor, b0, b1, b2, b3, b4);
  };
  auto highestLeft = [&bounds] {
    const uint64_t next = std::max({bounds[0], bounds[1], bounds[2], bounds[3], bounds[4], bounds[5]});
    bounds[next & 7] = 0;
    return next;
  };
  const uint64_t first = highestLeft();
  const uint64_t second = highestLeft();
  // A highest bound of one pair alone is the value: a best hand of that
  // pair's seven cards without one of its two would lie within the seven of
  // another pair, whose bound is lower, so it holds both and three of the
  // board.
  if (second >> 3 < first >> 3) [[likely]] return static_cast<uint32_t>(first >> 3);
  // Pairs sharing the highest bound, mostly three with a hole card in
  // common: valued in full, then any others while their bounds beat the best.
  uint32_t best = std::max({valueWith(first), valueWith(second), valueWith(highestLeft())});
  for (uint64_t next; (next = highestLeft()) >> 3 > best;) best = std::max(best, valueWith(next));
  return best;
}

// The flush of seven good cards with five or more of a suit, as FlushValue
// but without a loop: five to seven values, the lowest one or two dropped.
uint32_t SevenCardFlushValue(const uint8_t* cards, uint64_t sum) {
  const unsigned ranks = SuitRanks(CodeBits(cards, 7), SuitOfCounterBit(sum & kFlushBits));
  const int straight = StraightValue(ranks);
  unsigned top = ValueBits(ranks);
  const int extra = std::popcount(top) - 5;
  const unsigned withoutLowest = top & (top - 1);
  top = extra >= 1 ? withoutLowest : top;
  top = extra >= 2 ? top & (top - 1) : top;
  return straight != 0 ? CategoryStraightFlush * kCategoryStep + static_cast<uint32_t>(straight)
                       : CategoryFlush * kCategoryStep + top;
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
  return ValueOfSum(cards, n, sum);
}

uint32_t SevenCardsOutOfLine(const uint8_t* cards, uint64_t sum) {
  return sum & kBadCodeBits ? 0 : SevenCardFlushValue(cards, sum);
}

uint32_t ValueOfSum(const uint8_t* cards, int n, uint64_t sum) {
  if (sum & kBadCodeBits) return 0;
  if ((sum & kFlushBits) == 0) return RankOnlyValue(cards, n, RankKeyOf(sum));
  // Seven cards with five of a suit make neither quads nor a full house.
  if (n == 7) return SevenCardFlushValue(cards, sum);
  return std::max(RankOnlyValue(cards, n, RankKeyOf(sum)), FlushValue(CodeBits(cards, n), sum));
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

uint32_t ValueOfKeyOutOfLine(HandKey key) {
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
