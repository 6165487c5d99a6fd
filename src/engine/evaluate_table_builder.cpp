#include "engine/evaluate_table_builder.h"

#include <algorithm>
#include <bit>
#include <numeric>

#include "engine/evaluate_rules.h"

namespace qf {
namespace {

// Calls visit(counts, cards) for every multiset of ranks with at most four
// cards of a rank and from minCards to cardsLeft cards.
template <typename Visit>
void ForEachRankMultiset(RankCounts& counts, int rank, int cards, int minCards, int cardsLeft,
                         Visit&& visit) {
  if (rank == 13) {
    if (cards >= minCards) visit(counts, cards);
    return;
  }
  for (int c = 0; c <= std::min(4, cardsLeft); ++c) {
    counts[rank] = c;
    ForEachRankMultiset(counts, rank + 1, cards + c, minCards, cardsLeft - c, visit);
  }
  counts[rank] = 0;
}

uint32_t RankKeySum(const RankCounts& counts) {
  uint32_t key = 0;
  for (int rank = 0; rank < 13; ++rank) key += static_cast<uint32_t>(counts[rank]) * kRankKeys[rank];
  return key;
}

struct KeyedValues {
  std::vector<uint32_t> keys;
  std::vector<uint32_t> values;
};

// The keys must be different and below 2^keyBits, where hashing is one to one.
bool CheckKeys(const std::vector<uint32_t>& keys, int keyBits, const char* what,
               std::string& error) {
  std::vector<uint32_t> sorted = keys;
  std::sort(sorted.begin(), sorted.end());
  if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) {
    error = std::string(what) + ": two hands share a key";
    return false;
  }
  if (sorted.back() >> keyBits != 0) {
    error = std::string(what) + ": a key does not fit the hash";
    return false;
  }
  return true;
}

// Packs a table's keys, hashed(key) being what the lookup splits into row and
// slot, and returns for every slot the value of the key in it (0 for none).
// The table must take exactly `slots` slots, so that its size stays as stated.
template <typename Hash, typename Hashed>
bool PackValues(const KeyedValues& entries, Hashed&& hashed, size_t slots, const char* what,
                std::vector<uint16_t>& rows, std::vector<uint32_t>& values, std::string& error) {
  if (!CheckKeys(entries.keys, Hash::kKeyBits, what, error)) return false;
  std::vector<uint32_t> split;
  split.reserve(entries.keys.size());
  for (uint32_t key : entries.keys) {
    const uint32_t h = hashed(key);
    split.push_back(Hash::Row(h) << Hash::kSlotBits | Hash::SlotInRow(h));
  }
  PackedHash packed;
  if (!PackPerfectHash(split, Hash::kRowBits, Hash::kSlotBits, slots, packed) ||
      packed.slotsUsed != slots) {
    error = std::string(what) + ": the keys do not take exactly " + std::to_string(slots) + " slots";
    return false;
  }
  rows = packed.rowDisplacements;
  values.assign(slots, 0);
  for (size_t slot = 0; slot < packed.slotKeys.size(); ++slot) {
    if (packed.slotKeys[slot] != PackedHash::kEmptySlot) {
      values[slot] = entries.values[packed.slotKeys[slot]];
    }
  }
  return true;
}

}  // namespace

bool PackPerfectHash(const std::vector<uint32_t>& keys, int rowBits, int slotBits,
                     size_t slotLimit, PackedHash& packed) {
  const size_t rowCount = size_t{1} << rowBits;
  const size_t rowWidth = size_t{1} << slotBits;
  std::vector<std::vector<uint32_t>> rows(rowCount);  // key indexes
  for (uint32_t i = 0; i < keys.size(); ++i) rows[keys[i] >> slotBits].push_back(i);
  const uint32_t slotMask = static_cast<uint32_t>(rowWidth - 1);
  for (std::vector<uint32_t>& row : rows) {
    std::sort(row.begin(), row.end(), [&](uint32_t a, uint32_t b) {
      return (keys[a] & slotMask) < (keys[b] & slotMask);
    });
  }
  std::vector<uint32_t> order(rowCount);
  std::iota(order.begin(), order.end(), 0);
  // Fullest rows first; among rows as full, those reaching less far first,
  // so that the last slots go to rows that reach far anyway.
  auto reach = [&](uint32_t r) { return rows[r].empty() ? 0 : keys[rows[r].back()] & slotMask; };
  std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
    return rows[a].size() != rows[b].size() ? rows[a].size() > rows[b].size() : reach(a) < reach(b);
  });

  // A row at displacement d may be read anywhere in d .. d + rowWidth - 1.
  if (slotLimit < rowWidth || slotLimit - rowWidth > 0xffff) return false;
  const size_t maxDisplacement = slotLimit - rowWidth;
  std::vector<uint64_t> taken((slotLimit + 63) / 64 + 1, 0);
  auto isTaken = [&](size_t slot) { return (taken[slot / 64] >> (slot % 64)) & 1; };
  auto nextFree = [&](size_t slot) {
    size_t word = slot / 64;
    uint64_t free = ~taken[word] & (~uint64_t{0} << (slot % 64));
    while (free == 0 && word + 1 < taken.size()) free = ~taken[++word];
    return free == 0 ? taken.size() * 64 : word * 64 + std::countr_zero(free);
  };

  packed.rowDisplacements.assign(rowCount, 0);
  packed.slotKeys.assign(slotLimit, PackedHash::kEmptySlot);
  packed.slotsUsed = rowWidth;
  size_t firstFree = 0;
  for (uint32_t r : order) {
    const std::vector<uint32_t>& row = rows[r];
    if (row.empty()) break;
    firstFree = nextFree(firstFree);
    const size_t lowest = keys[row.front()] & slotMask;
    size_t d = firstFree > lowest ? firstFree - lowest : 0;
    for (bool placed = false; !placed;) {
      if (d > maxDisplacement) return false;
      placed = true;
      for (uint32_t key : row) {
        const size_t slot = d + (keys[key] & slotMask);
        if (isTaken(slot)) {
          d = nextFree(slot) - (keys[key] & slotMask);
          placed = false;
          break;
        }
      }
    }
    packed.rowDisplacements[r] = static_cast<uint16_t>(d);
    packed.slotsUsed = std::max(packed.slotsUsed, d + rowWidth);
    for (uint32_t key : row) {
      const size_t slot = d + (keys[key] & slotMask);
      taken[slot / 64] |= uint64_t{1} << (slot % 64);
      packed.slotKeys[slot] = key;
    }
  }
  return true;
}

std::unique_ptr<EvaluatorTables> BuildEvaluatorTables(std::string& error) {
  auto tables = std::make_unique<EvaluatorTables>();

  for (int code = 0; code < 256; ++code) {
    uint64_t key = kCardCountUnit;
    if (code >= 1 && code <= 52) {
      key += kRankKeys[(code - 1) % 13] + (kSuitCountUnit << (4 * ((code - 1) / 13)));
    } else {
      key += kBadCodeUnit;
    }
    tables->cardKeys[code] = key;
    tables->firstCardKeys[code] = key + kHandKeyStart;
  }

  KeyedValues seven;
  KeyedValues five;
  RankCounts counts{};
  ForEachRankMultiset(counts, 0, 0, 5, 7, [&](const RankCounts& c, int cards) {
    if (cards == 6) return;
    KeyedValues& table = cards == 7 ? seven : five;
    table.keys.push_back(RankKeySum(c));
    table.values.push_back(RankCountValue(c));
  });

  std::vector<uint16_t> rows;
  std::vector<uint32_t> values;
  if (!PackValues<SevenCardHash>(seven, [](uint32_t key) { return key; }, kSevenCardSlots,
                                 "seven cards", rows, values, error)) {
    return nullptr;
  }
  std::copy(rows.begin(), rows.end(), tables->sevenCardRows.begin());
  std::copy(values.begin(), values.end(), tables->sevenCardValues.begin());

  if (!PackValues<FiveCardHash>(five, [](uint32_t key) { return key * FiveCardHash::kFactor; },
                                kFiveCardSlots, "five cards", rows, values, error)) {
    return nullptr;
  }
  std::copy(rows.begin(), rows.end(), tables->fiveCardRows.begin());
  std::copy(values.begin(), values.end(), tables->fiveCardValues.begin());
  return tables;
}

}  // namespace qf
