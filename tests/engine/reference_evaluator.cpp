#include "reference_evaluator.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace qf::reference {
namespace {

constexpr uint32_t kStep = 1310720;  // one category
constexpr uint32_t kKind = 65536;    // one rank of a set of a kind

// A card's rank value: 1 for a Two up to 12 for a King, 13 for an Ace.
int ValueOf(int code) {
  const int rank = (code - 1) % 13;
  return rank == 0 ? 13 : rank;
}

// The best `slots` values among the cards that pass `keep`, an empty slot
// counting as 1, each slot adding 1 << value.
uint32_t Kickers(const std::vector<int>& cards, int slots, const std::function<bool(int)>& keep) {
  std::vector<int> values;
  for (int code : cards) {
    if (keep(code)) values.push_back(ValueOf(code));
  }
  std::sort(values.rbegin(), values.rend());
  values.resize(std::max<size_t>(values.size(), static_cast<size_t>(slots)), 1);
  uint32_t mask = 0;
  for (int i = 0; i < slots; ++i) mask += 1u << values[i];
  return mask;
}

// The highest card of the best run of five, the Ace also low; 0 when none.
int StraightTop(const std::vector<int>& cards, int suit) {
  bool held[14] = {};
  for (int code : cards) {
    if (suit < 0 || (code - 1) / 13 == suit) held[ValueOf(code)] = true;
  }
  held[0] = held[13];
  for (int top = 13; top >= 4; --top) {
    if (held[top] && held[top - 1] && held[top - 2] && held[top - 3] && held[top - 4]) {
      return top - 3;
    }
  }
  return 0;
}

}  // namespace

// The categories from the best down, each as the value rules describe it.
uint32_t EvaluateHand(const uint8_t* codes, int n) {
  if (n < 2 || n > 9) return 0;
  const std::vector<int> cards(codes, codes + n);
  int count[14] = {}, perSuit[4] = {};
  for (int code : cards) ++count[ValueOf(code)], ++perSuit[(code - 1) / 13];
  // The highest rank held exactly m times, other than skip; 0 when none.
  const auto rankWith = [&count](int m, int skip) {
    for (int v = 13; v >= 1; --v) {
      if (count[v] == m && v != skip) return v;
    }
    return 0;
  };
  const auto outside = [](int v, int w = 0) {
    return [v, w](int code) { return ValueOf(code) != v && ValueOf(code) != w; };
  };
  for (int suit = 0; suit < 4; ++suit) {
    if (const int top = StraightTop(cards, suit)) return 8 * kStep + top;
  }
  if (const int quads = rankWith(4, 0))
    return 7 * kStep + quads * kKind + Kickers(cards, 1, outside(quads));
  const int trips = rankWith(3, 0);
  for (int v = 13; trips != 0 && v >= 1; --v) {
    if (v != trips && count[v] >= 2) return 6 * kStep + trips * 14 + v;
  }
  for (int suit = 0; suit < 4; ++suit) {
    if (perSuit[suit] >= 5) {
      return 5 * kStep + Kickers(cards, 5, [suit](int code) { return (code - 1) / 13 == suit; });
    }
  }
  if (const int top = StraightTop(cards, -1)) return 4 * kStep + top;
  if (trips != 0) return 3 * kStep + trips * kKind + Kickers(cards, std::min(n, 2), outside(trips));
  // Two pair: the kicker is the best card outside both pairs, a third pair
  // included, and there must be one.
  const int high = rankWith(2, 0), low = high == 0 ? 0 : rankWith(2, high);
  int kicker = 0;
  for (int code : cards) {
    if (outside(high, low)(code)) kicker = std::max(kicker, ValueOf(code));
  }
  if (low != 0 && kicker != 0) return 2 * kStep + (high * 14 + low) * 14 + kicker;
  if (high != 0) return kStep + high * kKind + Kickers(cards, std::min(n, 3), outside(high));
  return Kickers(cards, std::min(n, 5), [](int) { return true; });
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
