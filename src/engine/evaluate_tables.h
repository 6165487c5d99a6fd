// Lookup tables of the fast hand evaluator, built once from the value rules.
//
// A hand of up to seven cards is valued by two lookups: the sum of per-rank
// keys (different for every multiset of up to seven ranks with at most four of
// each) is perfect-hashed into a table of values that ignore suits, and the
// 13-bit rank mask of a suit holding five or more cards indexes the flush and
// straight flush values. Every flush category lies above the categories it
// can coexist with, except four of a kind and full house, which lie above it,
// so the hand's value is the larger of the two.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace qf {

// What one card code adds to a hand's running sum. Bits 0..31: the card's
// rank key. Bits 32..47: one 4-bit counter per suit, the card counting 1 in
// its suit's. Bits 56..63: count codes outside 1..52.
using EvaluatorCardKey = uint64_t;

// Added once to a hand's key sum: every suit counter starts at 3, so bit 3 of
// a counter is set exactly when its suit holds five or more of up to nine cards.
inline constexpr uint64_t kSuitCounterBias = 0x3333ull << 32;
inline constexpr uint64_t kFlushBits = 0x8888ull << 32;
inline constexpr uint64_t kBadCardBits = 0xffull << 56;

// Longer hands are valued as the best of the hands of this many of their cards.
inline constexpr int kMaxTableCards = 7;

// Per-rank keys (index 0 Ace .. 12 King): the smallest increasing keys whose
// sums over up to seven cards, at most four of a rank, are all different.
inline constexpr std::array<uint32_t, 13> kRankKeys = {
    1, 5, 24, 112, 521, 2247, 9244, 30823, 103066, 250154, 667453, 1526359, 3453520};

struct KeyedValue {
  uint32_t key;
  uint32_t value;
};

// A perfect hash from rank key sums to values: a multiplicative hash picks one
// of 2^BucketBits buckets, and each bucket's base shifts its keys onto slots
// (2^SlotBits of them) that no other key uses. Any key, even one no hand
// produces, reads a slot inside the table.
template <int SlotBits, int BucketBits>
class RankKeyTable {
 public:
  // The keys must be different and fewer than the slots.
  explicit RankKeyTable(const std::vector<KeyedValue>& entries);

  uint32_t Find(uint32_t key) const {
    return values_[(bases_[(key * multiplier_) >> kBucketShift] + key) & kSlotMask];
  }

  std::size_t SizeInBytes() const { return sizeof(bases_) + sizeof(values_); }

 private:
  static constexpr uint32_t kBucketShift = 32 - BucketBits;
  static constexpr uint32_t kSlotMask = (1u << SlotBits) - 1;

  bool Place(const std::vector<KeyedValue>& entries);

  uint32_t multiplier_ = 0;
  std::array<uint32_t, size_t{1} << BucketBits> bases_{};
  std::array<uint32_t, size_t{1} << SlotBits> values_{};
};

class EvaluatorTables {
 public:
  EvaluatorTables();

  EvaluatorCardKey CardKey(uint8_t code) const { return cardKeys_[code]; }

  // Value of the suit whose cards have these rank bits (five or more bits).
  uint32_t SuitedValue(unsigned rankBits) const { return suited_[rankBits & 0x1fffu]; }

  // Value ignoring suits of the hand of up to kMaxTableCards cards whose rank
  // keys sum to rankKey.
  uint32_t RankValue(uint32_t rankKey) const { return upToSeven_.Find(rankKey); }

  // The same for exactly five cards, from a table small enough to stay in the
  // fastest cache.
  uint32_t FiveCardRankValue(uint32_t rankKey) const { return five_.Find(rankKey); }

  // Bytes held by all tables together.
  std::size_t SizeInBytes() const;

 private:
  struct RankEntries {
    std::vector<KeyedValue> upToSeven;
    std::vector<KeyedValue> five;
  };
  static RankEntries AllRankValues();
  explicit EvaluatorTables(const RankEntries& entries);

  std::array<EvaluatorCardKey, 256> cardKeys_{};
  std::array<uint32_t, 8192> suited_{};
  RankKeyTable<17, 13> upToSeven_;
  RankKeyTable<13, 10> five_;
};

}  // namespace qf
