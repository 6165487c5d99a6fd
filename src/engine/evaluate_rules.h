// The value rules of hand evaluation, worked out from rank counts and suit
// masks. The evaluator's tables are built from these at build time, and the
// evaluator values flushes with SuitedValue as it goes.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace qf {

// Number of cards of each rank index (0 Ace .. 12 King).
using RankCounts = std::array<int, 13>;

// Value of a rank index inside hand values: Two 1 .. King 12, Ace 13.
inline constexpr int RankValue(int rank) {
  return rank == 0 ? 13 : rank;
}

// Straight value 1..10 of the highest straight among the ranks whose bit
// (1 << rank index) is set in rankBits, the Ace playing high and low; 0 if none.
inline constexpr int StraightValue(unsigned rankBits) {
  // Position p (0..13) holds rank index p; the Ace also holds position 13. A
  // run of five from position p up is the straight valued p + 1.
  const unsigned positions = (rankBits & 0x1fffu) | ((rankBits & 1u) << 13);
  const unsigned runs = positions & positions >> 1 & positions >> 2 & positions >> 3 & positions >> 4;
  return std::bit_width(runs);
}

// Value of the hand whose only possible flush or straight flush comes from
// the suit holding the ranks in rankBits (five or more bits): category 8 or 5.
// 0 when fewer than five bits are set.
uint32_t SuitedValue(unsigned rankBits);

// Value of a hand of n = sum of counts cards ignoring flushes: four of a kind,
// full house, straight, trips, two pair, pair or high card. 0 when n < 2.
uint32_t RankCountValue(const RankCounts& counts);

}  // namespace qf
