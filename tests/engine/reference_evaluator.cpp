#include "engine/reference_evaluator.h"

#include <algorithm>
#include <cstdlib>

namespace qf::reference {
namespace {

constexpr uint32_t kStep = 1310720;
constexpr int kNoSuit = -1;

// A card list that may mark cards as used by negating their codes.
struct Hand {
  int codes[9];
  int n;
};

int RankOf(int code) {
  return (std::abs(code) - 1) % 13;
}
int SuitOf(int code) {
  return (std::abs(code) - 1) / 13;
}
int ValueOf(int code) {
  return RankOf(code) == 0 ? 13 : RankOf(code);
}

// k = min(n, wanted, 5) slots starting at 1; s[0] always holds the smallest.
uint32_t TopCardsMask(const Hand& hand, int wanted, int suit) {
  int k = std::min({hand.n, wanted, 5});
  int s[5] = {1, 1, 1, 1, 1};
  for (int i = 0; i < hand.n; ++i) {
    int code = hand.codes[i];
    if (code < 0) continue;
    if (suit != kNoSuit && SuitOf(code) != suit) continue;
    int v = ValueOf(code);
    if (v > s[0]) {
      s[0] = v;
      int m = v;
      for (int j = 1; j < k; ++j) m = std::min(m, s[j]);
      for (int j = 1; j < k; ++j) {
        if (s[j] == m) {
          s[0] = m;
          s[j] = v;
          break;
        }
      }
    }
  }
  uint32_t mask = 0;
  for (int i = 0; i < k; ++i) mask += 1u << s[i];
  return mask;
}

int StraightTest(const Hand& hand, int suit) {
  bool marked[14] = {};
  for (int i = 0; i < hand.n; ++i) {
    if (suit != kNoSuit && SuitOf(hand.codes[i]) != suit) continue;
    int rank = RankOf(hand.codes[i]);
    marked[rank] = true;
    if (rank == 0) marked[13] = true;
  }
  int run = 0;
  for (int p = 13; p >= 0; --p) {
    run = marked[p] ? run + 1 : 0;
    if (run == 5) return p + 1;
  }
  return 0;
}

void CountRanks(const Hand& hand, int counts[13]) {
  for (int r = 0; r < 13; ++r) counts[r] = 0;
  for (int i = 0; i < hand.n; ++i) counts[RankOf(hand.codes[i])] += 1;
}

// Rank index with exactly m cards: the Ace if it has m, else King down to Two.
int RankWithExactly(const int counts[13], int m, int skip) {
  if (counts[0] == m && skip != 0) return 0;
  for (int r = 12; r >= 1; --r) {
    if (counts[r] == m && r != skip) return r;
  }
  return -1;
}

// 0 when there is no rank with exactly m cards.
uint32_t OfAKindTest(Hand& hand, int m) {
  int counts[13];
  CountRanks(hand, counts);
  int rank = RankWithExactly(counts, m, -1);
  if (rank < 0) return 0;
  for (int i = 0; i < hand.n; ++i) {
    if (RankOf(hand.codes[i]) == rank) hand.codes[i] = -std::abs(hand.codes[i]);
  }
  int value = rank == 0 ? 13 : rank;
  return static_cast<uint32_t>(value) * 65536 +
         TopCardsMask(hand, std::min(hand.n, 5 - m), kNoSuit);
}

}  // namespace

uint32_t EvaluateHand(const uint8_t* cards, int n) {
  if (n < 2 || n > 9) return 0;
  Hand hand;
  hand.n = n;
  for (int i = 0; i < n; ++i) hand.codes[i] = cards[i];

  // 1. Straight flush.
  if (n >= 5) {
    for (int suit = 0; suit < 4; ++suit) {
      if (int straight = StraightTest(hand, suit)) return 8 * kStep + straight;
    }
  }
  // 2. Four of a kind.
  if (n >= 4) {
    if (uint32_t detail = OfAKindTest(hand, 4)) return 7 * kStep + detail;
  }
  int counts[13];
  CountRanks(hand, counts);
  // 3. Full house.
  if (n >= 5) {
    int trips = RankWithExactly(counts, 3, -1);
    int pair = -1;
    if (trips >= 0) {
      if (trips != 0 && counts[0] >= 2) pair = 0;
      for (int r = 12; r >= 1 && pair < 0; --r) {
        if (r != trips && counts[r] >= 2) pair = r;
      }
    }
    if (trips >= 0 && pair >= 0) {
      int t = trips == 0 ? 13 : trips;
      int p = pair == 0 ? 13 : pair;
      return 6 * kStep + t * 14 + p;
    }
  }
  // 4. Flush.
  if (n >= 5) {
    int perSuit[4] = {};
    for (int i = 0; i < n; ++i) perSuit[SuitOf(hand.codes[i])] += 1;
    for (int suit = 0; suit < 4; ++suit) {
      if (perSuit[suit] >= 5) return 5 * kStep + TopCardsMask(hand, 5, suit);
    }
  }
  // 5. Straight.
  if (n >= 5) {
    if (int straight = StraightTest(hand, kNoSuit)) return 4 * kStep + straight;
  }
  // 6. Three of a kind.
  if (n >= 3) {
    if (uint32_t detail = OfAKindTest(hand, 3)) return 3 * kStep + detail;
  }
  // 7. Two pair; the kicker is the best card outside both pairs, a third pair
  // included, and it must exist.
  if (n >= 4) {
    int high = RankWithExactly(counts, 2, -1);
    int low = high < 0 ? -1 : RankWithExactly(counts, 2, high);
    int kicker = 0;
    for (int i = 0; i < n; ++i) {
      int rank = RankOf(hand.codes[i]);
      if (rank != high && rank != low) kicker = std::max(kicker, ValueOf(hand.codes[i]));
    }
    if (high >= 0 && low >= 0 && kicker > 0) {
      int h = high == 0 ? 13 : high;
      int l = low == 0 ? 13 : low;
      return 2 * kStep + static_cast<uint32_t>((h * 14 + l) * 14 + kicker);
    }
  }
  // 8. One pair.
  if (uint32_t detail = OfAKindTest(hand, 2)) return 1 * kStep + detail;
  // 9. High card.
  return TopCardsMask(hand, std::min(n, 5), kNoSuit);
}

uint32_t EvaluateBest(const uint8_t* cards, int n, int holeCards) {
  if (holeCards != 4 || n != 9) return EvaluateHand(cards, n);
  static const int kPairs[6][2] = {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}};
  static const int kTriples[10][3] = {{4, 5, 6}, {4, 5, 7}, {4, 5, 8}, {4, 6, 7}, {4, 6, 8},
                                      {4, 7, 8}, {5, 6, 7}, {5, 6, 8}, {5, 7, 8}, {6, 7, 8}};
  uint32_t best = 0;
  for (const auto& pair : kPairs) {
    for (const auto& triple : kTriples) {
      uint8_t five[5] = {cards[pair[0]], cards[pair[1]], cards[triple[0]], cards[triple[1]],
                         cards[triple[2]]};
      best = std::max(best, EvaluateHand(five, 5));
    }
  }
  return best;
}

}  // namespace qf::reference
