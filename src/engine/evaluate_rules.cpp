#include "engine/evaluate_rules.h"

#include <algorithm>
#include <bit>

#include "engine/evaluate.h"

namespace qf {
namespace {

constexpr uint32_t kOfAKindShift = 65536;

// Rank indexes from the highest value down: Ace, King, ..., Two.
constexpr std::array<int, 13> kRanksHighFirst = {0, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};

// Sum of 2^v over `slots` slots filled with the highest rank values among the
// counted cards (a rank held twice fills two slots); unfilled slots hold 1.
uint32_t TopCardsMask(const RankCounts& counts, int slots) {
  uint32_t mask = 0;
  int filled = 0;
  for (int rank : kRanksHighFirst) {
    for (int c = 0; c < counts[rank] && filled < slots; ++c, ++filled) {
      mask += 1u << RankValue(rank);
    }
  }
  return mask + static_cast<uint32_t>(slots - filled) * 2u;
}

// The rank index holding exactly `m` cards with the highest value, or -1.
int HighestRankWithCount(const RankCounts& counts, int m, int skip = -1) {
  for (int rank : kRanksHighFirst) {
    if (rank != skip && counts[rank] == m) return rank;
  }
  return -1;
}

// Of-a-kind value: rank value * 65536 plus the top-cards mask of the other
// cards with min(n, 5 - m) slots; 0 when no rank holds exactly m cards.
uint32_t OfAKindDetail(const RankCounts& counts, int n, int m) {
  int rank = HighestRankWithCount(counts, m);
  if (rank < 0) return 0;
  RankCounts others = counts;
  others[rank] = 0;
  return static_cast<uint32_t>(RankValue(rank)) * kOfAKindShift +
         TopCardsMask(others, std::min(n, 5 - m));
}

uint32_t WithCategory(uint32_t category, uint32_t detail) {
  return category * kCategoryStep + detail;
}

}  // namespace

uint32_t SuitedValue(unsigned rankBits) {
  rankBits &= 0x1fffu;
  if (std::popcount(rankBits) < 5) return 0;
  if (int straight = StraightValue(rankBits)) return WithCategory(CategoryStraightFlush, straight);
  // Bit v set for each rank value v (Two 1 .. Ace 13), then the lowest
  // dropped until the top five remain.
  uint32_t top = (rankBits & ~1u) | ((rankBits & 1u) << 13);
  while (std::popcount(top) > 5) top &= top - 1;
  return WithCategory(CategoryFlush, top);
}

uint32_t RankCountValue(const RankCounts& counts) {
  int n = 0;
  unsigned rankBits = 0;
  for (int rank = 0; rank < 13; ++rank) {
    n += counts[rank];
    if (counts[rank] > 0) rankBits |= 1u << rank;
  }
  if (n < 2) return 0;

  if (uint32_t detail = OfAKindDetail(counts, n, 4)) return WithCategory(CategoryQuads, detail);

  int trips = HighestRankWithCount(counts, 3);
  if (trips >= 0) {
    for (int rank : kRanksHighFirst) {
      if (rank != trips && counts[rank] >= 2) {
        return WithCategory(CategoryFullHouse, RankValue(trips) * 14 + RankValue(rank));
      }
    }
  }

  if (int straight = StraightValue(rankBits)) return WithCategory(CategoryStraight, straight);

  if (uint32_t detail = OfAKindDetail(counts, n, 3)) return WithCategory(CategoryTrips, detail);

  // Two pair: the kicker is the best card outside the two pairs, a card of a
  // third pair included; without such a card the hand stays a pair.
  int high = HighestRankWithCount(counts, 2);
  int low = high < 0 ? -1 : HighestRankWithCount(counts, 2, high);
  if (low >= 0) {
    for (int rank : kRanksHighFirst) {
      if (rank != high && rank != low && counts[rank] > 0) {
        return WithCategory(CategoryTwoPair,
                            (RankValue(high) * 14 + RankValue(low)) * 14 + RankValue(rank));
      }
    }
  }

  if (uint32_t detail = OfAKindDetail(counts, n, 2)) return WithCategory(CategoryPair, detail);

  return WithCategory(CategoryHighCard, TopCardsMask(counts, std::min(n, 5)));
}

}  // namespace qf
