#include "engine/evaluate_tables.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "engine/evaluate_rules.h"

namespace qf {
namespace {

// Calls visit(counts, cards) for every multiset of ranks with at most four
// cards of a rank and at most cardsLeft cards in all (the empty one included).
template <typename Visit>
void ForEachRankMultiset(RankCounts& counts, int rank, int cards, int cardsLeft, Visit&& visit) {
  if (rank == 13) {
    visit(counts, cards);
    return;
  }
  for (int c = 0; c <= std::min(4, cardsLeft); ++c) {
    counts[rank] = c;
    ForEachRankMultiset(counts, rank + 1, cards + c, cardsLeft - c, visit);
  }
  counts[rank] = 0;
}

// A table that cannot be built is a fault in the program itself.
[[noreturn]] void TableFault(const char* what) {
  std::fprintf(stderr, "hand evaluator: %s\n", what);
  std::abort();
}

}  // namespace

// Rank key sums and values of all hands of up to kMaxTableCards cards, and of
// exactly five cards.
EvaluatorTables::RankEntries EvaluatorTables::AllRankValues() {
  RankEntries all;
  std::vector<KeyedValue>& upToSeven = all.upToSeven;
  std::vector<KeyedValue>& five = all.five;
  RankCounts counts{};
  ForEachRankMultiset(counts, 0, 0, kMaxTableCards, [&](const RankCounts& c, int cards) {
    uint32_t key = 0;
    for (int rank = 0; rank < 13; ++rank) key += static_cast<uint32_t>(c[rank]) * kRankKeys[rank];
    KeyedValue entry{key, RankCountValue(c)};
    upToSeven.push_back(entry);
    if (cards == 5) five.push_back(entry);
  });
  return all;
}

template <int SlotBits, int BucketBits>
RankKeyTable<SlotBits, BucketBits>::RankKeyTable(const std::vector<KeyedValue>& entries) {
  std::vector<uint32_t> keys;
  for (const KeyedValue& e : entries) keys.push_back(e.key);
  std::sort(keys.begin(), keys.end());
  if (std::adjacent_find(keys.begin(), keys.end()) != keys.end()) {
    TableFault("rank keys are not unique");
  }
  // Odd multipliers from a fixed sequence until one lets every key find a
  // slot; the sequence is fixed, so every run builds the same table.
  uint32_t candidate = 0x9e3779b9u;
  for (int attempt = 0; attempt < 1000; ++attempt) {
    multiplier_ = candidate | 1u;
    if (Place(entries)) return;
    candidate = candidate * 1664525u + 1013904223u;
  }
  TableFault("no perfect hash found");
}

template <int SlotBits, int BucketBits>
bool RankKeyTable<SlotBits, BucketBits>::Place(const std::vector<KeyedValue>& entries) {
  const size_t bucketCount = bases_.size();
  std::vector<std::vector<KeyedValue>> buckets(bucketCount);
  for (const KeyedValue& e : entries) buckets[(e.key * multiplier_) >> kBucketShift].push_back(e);
  // Within a bucket the keys must differ in their slot bits.
  for (std::vector<KeyedValue>& bucket : buckets) {
    std::sort(bucket.begin(), bucket.end(), [](const KeyedValue& a, const KeyedValue& b) {
      return (a.key & kSlotMask) < (b.key & kSlotMask);
    });
    for (size_t i = 1; i < bucket.size(); ++i) {
      if (((bucket[i].key ^ bucket[i - 1].key) & kSlotMask) == 0) return false;
    }
  }
  std::vector<size_t> order(bucketCount);
  for (size_t b = 0; b < bucketCount; ++b) order[b] = b;
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return buckets[a].size() > buckets[b].size(); });

  // Fullest buckets first, each at the first base where all its keys land on
  // free slots.
  std::vector<bool> taken(values_.size(), false);
  bases_.fill(0);
  values_.fill(0);
  for (size_t b : order) {
    const std::vector<KeyedValue>& bucket = buckets[b];
    if (bucket.empty()) break;
    uint32_t base = 0;
    for (;; ++base) {
      if (base > kSlotMask) return false;
      bool fits = true;
      for (const KeyedValue& e : bucket) {
        if (taken[(base + e.key) & kSlotMask]) {
          fits = false;
          break;
        }
      }
      if (fits) break;
    }
    bases_[b] = base;
    for (const KeyedValue& e : bucket) {
      taken[(base + e.key) & kSlotMask] = true;
      values_[(base + e.key) & kSlotMask] = e.value;
    }
  }
  return true;
}

template class RankKeyTable<17, 13>;
template class RankKeyTable<13, 10>;

EvaluatorTables::EvaluatorTables() : EvaluatorTables(AllRankValues()) {}

EvaluatorTables::EvaluatorTables(const RankEntries& entries)
    : upToSeven_(entries.upToSeven), five_(entries.five) {
  for (int code = 0; code < 256; ++code) {
    if (code < 1 || code > 52) {
      cardKeys_[code] = 1ull << 56;
      continue;
    }
    int rank = (code - 1) % 13;
    int suit = (code - 1) / 13;
    cardKeys_[code] = kRankKeys[rank] | (1ull << (32 + 4 * suit));
  }
  for (unsigned bits = 0; bits < suited_.size(); ++bits) suited_[bits] = qf::SuitedValue(bits);
}

size_t EvaluatorTables::SizeInBytes() const {
  return sizeof(cardKeys_) + sizeof(suited_) + upToSeven_.SizeInBytes() + five_.SizeInBytes();
}

}  // namespace qf
