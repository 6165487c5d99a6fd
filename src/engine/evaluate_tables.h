// Lookup tables of the hand evaluator. They are generated at build time:
// evaluate_table_maker builds them from the value rules (evaluate_rules.h) and
// writes them out as the constant kEvaluatorTables, so nothing is built when
// the program runs.
//
// Every card adds a 64-bit key to its hand's sum. The low 32 bits add up rank
// keys, chosen so that hands of the same size with different ranks have
// different sums. The sum of seven cards is perfect-hashed into a table of
// their values ignoring suits (49,205 rank combinations), and so is the sum
// of five (6,175). The high bits count the cards of each suit, the cards and
// the codes outside 1..52, so that one test tells whether a seven-card sum
// can be looked up as it is: no suit holds five cards, every code is good and
// there are exactly seven. Flushes are worked out from the suit's ranks.
//
// Sizes: 50,331 seven-card and 6,335 five-card slots of 4-byte values,
// 8,192 + 4,096 two-byte row displacements and twice 256 eight-byte card
// keys: 255,360 bytes (kEvaluatorTableBytes, held to 256 KB below).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace qf {

// Rank keys, index 0 Ace .. 12 King: the smallest increasing keys, the first
// 0, whose sums over hands of any one size up to seven cards, at most four of
// a rank, are all different.
inline constexpr std::array<uint32_t, 13> kRankKeys = {
    0, 1, 5, 22, 98, 453, 2031, 8698, 22854, 83661, 262349, 636345, 1479181};

// A card key: the rank key in the low 32 bits, then one 4-bit counter per
// suit (bits 32..47), the cards (48..51, with a carry into 52..55) and codes
// outside 1..52 (56..63). Sums of up to nine keys keep every field apart.
inline constexpr uint64_t kSuitCountUnit = 1ull << 32;
inline constexpr uint64_t kCardCountUnit = 1ull << 48;
inline constexpr uint64_t kBadCodeUnit = 1ull << 56;

constexpr uint32_t RankKeyOf(uint64_t sum) {
  return static_cast<uint32_t>(sum);
}

// Added once to a hand's sum: the suit counters start at 3, so bit 3 of a
// counter is set exactly when its suit holds five or more of up to nine
// cards, and the card counter at 9, so it reads 0 at seven cards.
inline constexpr uint64_t kHandKeyStart = 0x3333 * kSuitCountUnit + 9 * kCardCountUnit;
inline constexpr uint64_t kFlushBits = 0x8888 * kSuitCountUnit;
inline constexpr uint64_t kCardCountBits = 0xf * kCardCountUnit;
inline constexpr uint64_t kBadCodeBits = 0xff * kBadCodeUnit;
// A sum with none of these bits is of seven good cards without a flush.
inline constexpr uint64_t kNotPlainSevenBits = kFlushBits | kCardCountBits | kBadCodeBits;

// The two perfect hashes. Each splits a key into a row (RowBits) and a slot
// in the row (SlotBits); each row's displacement puts its slots where no
// other row's are, and any key reads inside the table. Seven-card keys are
// split as they are: the low bits, which all the rank keys stir, pick the
// row. Five-card keys are mixed first: multiplied by
// (multiplier << (32 - kKeyBits)) modulo 2^32, which keeps them apart in the
// top kKeyBits bits; the product of a sum is the sum of the products, so keys
// that share parts share their multiplications.
template <int RowBits, int SlotBits>
struct PerfectHashShape {
  static constexpr int kRowBits = RowBits;
  static constexpr int kSlotBits = SlotBits;
  static constexpr int kKeyBits = RowBits + SlotBits;  // keys below 2^kKeyBits
  static constexpr int kRows = 1 << RowBits;
};

struct SevenCardHash : PerfectHashShape<13, 10> {
  static constexpr uint32_t Row(uint32_t key) { return key & (kRows - 1); }
  static constexpr uint32_t SlotInRow(uint32_t key) {
    return key >> kRowBits & ((1u << kSlotBits) - 1);
  }
};

struct FiveCardHash : PerfectHashShape<12, 11> {
  // Of many odd numbers tried, the one that packs the table tightest.
  static constexpr uint32_t kMultiplier = 0x826cf5ad;
  static constexpr uint32_t kFactor = kMultiplier << (32 - kKeyBits);
  static constexpr uint32_t Row(uint32_t product) { return product >> (32 - kRowBits); }
  static constexpr uint32_t SlotInRow(uint32_t product) {
    return product >> (32 - kKeyBits) & ((1u << kSlotBits) - 1);
  }
};

// Slots up to the farthest any row reaches (its displacement plus a row's
// width), as the maker packs them.
inline constexpr size_t kSevenCardSlots = 50331;
inline constexpr size_t kFiveCardSlots = 6335;

struct alignas(64) EvaluatorTables {
  std::array<uint64_t, 256> cardKeys;  // indexed by code
  std::array<uint64_t, 256> firstCardKeys;  // the same plus kHandKeyStart
  std::array<uint16_t, SevenCardHash::kRows> sevenCardRows;
  std::array<uint16_t, FiveCardHash::kRows> fiveCardRows;
  std::array<uint32_t, kSevenCardSlots> sevenCardValues;
  std::array<uint32_t, kFiveCardSlots> fiveCardValues;
};

inline constexpr size_t kEvaluatorTableBytes = sizeof(EvaluatorTables);
static_assert(kEvaluatorTableBytes <= 256 * 1024, "the evaluator's tables must fit in 256 KB");

extern const EvaluatorTables kEvaluatorTables;

// Value ignoring suits of the seven cards whose rank keys sum to rankKey.
inline uint32_t SevenCardRankValue(uint32_t rankKey) {
  const uint32_t slot = SevenCardHash::SlotInRow(rankKey) +
                        kEvaluatorTables.sevenCardRows[SevenCardHash::Row(rankKey)];
  return kEvaluatorTables.sevenCardValues[slot];
}

// Value ignoring suits of the five cards whose rank keys, times
// FiveCardHash::kFactor, sum to product.
inline uint32_t FiveCardRankValueOfProduct(uint32_t product) {
  const uint32_t slot = FiveCardHash::SlotInRow(product) +
                        kEvaluatorTables.fiveCardRows[FiveCardHash::Row(product)];
  return kEvaluatorTables.fiveCardValues[slot];
}

// Value ignoring suits of the five cards whose rank keys sum to rankKey.
inline uint32_t FiveCardRankValue(uint32_t rankKey) {
  return FiveCardRankValueOfProduct(rankKey * FiveCardHash::kFactor);
}

}  // namespace qf
