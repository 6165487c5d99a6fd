#include "engine/evaluate.h"

#include <algorithm>
#include <bit>

#include "engine/cards.h"
#include "engine/evaluate_tables.h"

namespace qf {
namespace {

const EvaluatorTables& Tables() {
  static const EvaluatorTables tables;
  return tables;
}

// Hands of eight or nine cards: the best rank value of the hands of seven of
// them, found by taking one or two card keys off the whole hand's key sum.
uint32_t LongHandRankValue(const EvaluatorTables& t, const uint8_t* cards, int n,
                           uint32_t rankKey) {
  uint32_t best = 0;
  if (n == 8) {
    for (int i = 0; i < 8; ++i) {
      best = std::max(best, t.RankValue(rankKey - static_cast<uint32_t>(t.CardKey(cards[i]))));
    }
    return best;
  }
  for (int i = 0; i < n; ++i) {
    uint32_t without = rankKey - static_cast<uint32_t>(t.CardKey(cards[i]));
    for (int j = i + 1; j < n; ++j) {
      best = std::max(best, t.RankValue(without - static_cast<uint32_t>(t.CardKey(cards[j]))));
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

uint32_t EvaluateHand(const uint8_t* cards, int n) {
  if (n < 2 || n > 9) return 0;
  const EvaluatorTables& t = Tables();
  uint64_t sums = kSuitCounterBias;
  for (int i = 0; i < n; ++i) sums += t.CardKey(cards[i]);
  uint32_t flushValue = 0;
  if (sums & (kFlushBits | kBadCardBits)) [[unlikely]] {
    if (sums & kBadCardBits) return 0;
    int suit = std::countr_zero(sums & kFlushBits) / 4 - 8;
    unsigned suitRanks = 0;
    for (int i = 0; i < n; ++i) {
      if (CardSuit(cards[i]) == suit) suitRanks |= 1u << CardRank(cards[i]);
    }
    flushValue = t.SuitedValue(suitRanks);
  }
  uint32_t rankKey = static_cast<uint32_t>(sums);
  uint32_t rankValue = n == 5                ? t.FiveCardRankValue(rankKey)
                       : n <= kMaxTableCards ? t.RankValue(rankKey)
                                             : LongHandRankValue(t, cards, n, rankKey);
  return std::max(rankValue, flushValue);
}

uint32_t EvaluateBest(const uint8_t* cards, int n, int holeCards) {
  if (holeCards != 4 || n != 9) return EvaluateHand(cards, n);
  const EvaluatorTables& t = Tables();
  uint64_t holeSums = 0;
  uint64_t boardSums = 0;
  for (int i = 0; i < 4; ++i) holeSums += t.CardKey(cards[i]);
  for (int i = 4; i < 9; ++i) boardSums += t.CardKey(cards[i]);
  if ((holeSums | boardSums) & kBadCardBits) return EvaluateOmahaOneByOne(cards);

  // Without suits: every two hole cards with every three board cards.
  uint32_t pairKeys[6];
  uint32_t tripleKeys[10];
  int p = 0;
  for (int a = 0; a < 4; ++a) {
    for (int b = a + 1; b < 4; ++b) {
      pairKeys[p++] = static_cast<uint32_t>(t.CardKey(cards[a]) + t.CardKey(cards[b]));
    }
  }
  int q = 0;
  for (int x = 4; x < 9; ++x) {
    for (int y = x + 1; y < 9; ++y) {
      for (int z = y + 1; z < 9; ++z) {
        tripleKeys[q++] =
            static_cast<uint32_t>(t.CardKey(cards[x]) + t.CardKey(cards[y]) + t.CardKey(cards[z]));
      }
    }
  }
  uint32_t best = 0;
  for (uint32_t pairKey : pairKeys) {
    for (uint32_t tripleKey : tripleKeys) {
      best = std::max(best, t.FiveCardRankValue(pairKey + tripleKey));
    }
  }

  // A flush needs a suit with three board cards and two hole cards; five
  // board cards leave room for one such suit at most.
  for (int suit = 0; suit < 4; ++suit) {
    int shift = 32 + 4 * suit;
    if (((boardSums >> shift) & 0xf) < 3 || ((holeSums >> shift) & 0xf) < 2) continue;
    uint8_t hole[4];
    uint8_t board[5];
    int holeCount = 0;
    int boardCount = 0;
    for (int i = 0; i < 4; ++i) {
      if (CardSuit(cards[i]) == suit) hole[holeCount++] = cards[i];
    }
    for (int i = 4; i < 9; ++i) {
      if (CardSuit(cards[i]) == suit) board[boardCount++] = cards[i];
    }
    for (int a = 0; a < holeCount; ++a) {
      for (int b = a + 1; b < holeCount; ++b) {
        unsigned pairBits = (1u << CardRank(hole[a])) | (1u << CardRank(hole[b]));
        for (int x = 0; x < boardCount; ++x) {
          for (int y = x + 1; y < boardCount; ++y) {
            for (int z = y + 1; z < boardCount; ++z) {
              unsigned bits = pairBits | (1u << CardRank(board[x])) | (1u << CardRank(board[y])) |
                              (1u << CardRank(board[z]));
              best = std::max(best, t.SuitedValue(bits));
            }
          }
        }
      }
    }
  }
  return best;
}

}  // namespace qf
