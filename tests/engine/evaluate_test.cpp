// Hand values and equity against a plain reference evaluator:
// every hand of two to five cards, random longer and Omaha hands, exact and
// sampled equity against a count of our own; and the rules a player sees at
// the showdown spelled out on chosen hands. Unknown hands and refused equity
// spots: the equity command's tests.
#include "engine/evaluate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "engine/equity.h"
#include "table_setup.h"

namespace qf {
namespace {

// A plain hand evaluator that follows the value rules step by step, with no
// tables and no cleverness: EvaluateHand and EvaluateBest as the engine's
// contract states them.
namespace reference {

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

}  // namespace reference

constexpr uint32_t K = kCategoryStep;

// Sanitizer and debug builds check every seventh five-card hand and fewer random ones.
#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
constexpr long kFiveCardStride = 7;
constexpr int kRandomHands = 40000;
#else
constexpr long kFiveCardStride = 1;
constexpr int kRandomHands = 500000;
#endif

// EvaluateBest of the cards as the game values them (holeCards 4: Omaha).
uint32_t Value(const std::string& text, int holeCards = 2) {
  const std::vector<uint8_t> cards = test::Cards(text);
  return EvaluateBest(cards.data(), static_cast<int>(cards.size()), holeCards);
}

// Compares the engine with the reference on n cards; reports the first few misses.
void ExpectSameAsReference(const uint8_t* cards, int n, int holeCards, long& misses) {
  const uint32_t expected = reference::EvaluateBest(cards, n, holeCards);
  const uint32_t actual = EvaluateBest(cards, n, holeCards);
  if (actual != expected && ++misses <= 5) {
    std::string text;
    for (int i = 0; i < n; ++i) text += CardText(cards[i]) + " ";
    ADD_FAILURE() << text << "gives " << actual << ", expected " << expected;
  }
}

TEST(EvaluateAgainstReference, EveryHandOfTwoToFiveCards) {
  for (int n = 2; n <= 5; ++n) {
    long hands = 0, misses = 0;
    std::array<uint8_t, 5> cards{};
    std::array<int, 5> index{};
    std::iota(index.begin(), index.begin() + n, 0);
    for (int i = n - 1; i >= 0;) {
      for (int j = 0; j < n; ++j) cards[j] = static_cast<uint8_t>(index[j] + 1);
      if (++hands % kFiveCardStride == 0 || n < 5)
        ExpectSameAsReference(cards.data(), n, 2, misses);
      for (i = n - 1; i >= 0 && index[i] == 52 - n + i;) --i;
      if (i >= 0) std::iota(index.begin() + i, index.begin() + n, index[i] + 1);
    }
    EXPECT_EQ(misses, 0) << n << " cards";
    const long kHandCounts[] = {0, 0, 1326, 22100, 270725, 2598960};
    EXPECT_EQ(hands, kHandCounts[n]);
  }
}

// Random hands of six to nine cards, and Omaha river hands, from the whole
// deck and from spades and clubs only, where flushes and straight flushes
// (through exactly two hole cards) abound.
TEST(EvaluateAgainstReference, RandomHandsOfSixToNineCardsAndOmahaRivers) {
  for (int deckSize : {52, 26}) {
    std::mt19937_64 engine(deckSize);
    std::array<uint8_t, 52> deck{};
    std::iota(deck.begin(), deck.end(), 1);
    long misses = 0, omahaDiffers = 0;
    for (int i = 0; i < kRandomHands; ++i) {
      const int n = 6 + i % 4;
      for (int c = 0; c < n; ++c) {
        std::swap(deck[c], deck[std::uniform_int_distribution<int>(c, deckSize - 1)(engine)]);
      }
      ExpectSameAsReference(deck.data(), n, 2, misses);
      if (n == 9 && i % 5 == 3) {
        ExpectSameAsReference(deck.data(), 9, 4, misses);
        if (EvaluateBest(deck.data(), 9, 4) != EvaluateHand(deck.data(), 9)) ++omahaDiffers;
        // Before the river all Omaha cards count together.
        ASSERT_EQ(EvaluateBest(deck.data(), 8, 4), EvaluateHand(deck.data(), 8));
      }
    }
    EXPECT_EQ(misses, 0) << "deck of " << deckSize;
    EXPECT_GT(omahaDiffers, kRandomHands / 80);  // the two-plus-three rule really played
  }
}

// Hands built a card at a time on a shared part, as the odds count builds
// them, are worth what EvaluateHand makes of the same cards, at every size
// and with codes outside 1..52.
TEST(EvaluateAgainstReference, HandKeysValueTheirCardsAsEvaluateHand) {
  std::mt19937_64 engine(404);
  std::array<uint8_t, 52> deck{};
  std::iota(deck.begin(), deck.end(), 1);
  for (int i = 0; i < kRandomHands / 4; ++i) {
    const int deckSize = i % 5 == 4 ? 26 : 52;  // spades and clubs only: flushes abound
    for (int c = 0; c < 9; ++c)
      std::swap(deck[c], deck[std::uniform_int_distribution<int>(c, deckSize - 1)(engine)]);
    uint8_t cards[9];
    std::copy_n(deck.data(), 9, cards);
    if (i % 101 == 0) cards[i % 9] = static_cast<uint8_t>(i % 2 == 0 ? 0 : 53 + i % 200);
    const int n = i % 10;
    const int shared = i % (n + 1);
    const HandKey part = AddCards(HandKey{}, cards, shared);
    ASSERT_EQ(ValueOfKey(AddCards(part, cards + shared, n - shared)), EvaluateHand(cards, n))
        << i;
  }
}

// The two-pair rule as the showdown shows it: the kicker is the best card
// outside both pairs, a third pair included, so on a board of K K 7 7 2 a
// pair of fives beats four-three; four cards without a kicker stay a pair.
TEST(Evaluate, TwoPairKickersNamesAndBadHands) {
  const std::pair<const char*, uint32_t> cases[] = {
      {"Ks Kd 7c 7h 5s 5d 2c", 2 * K + (12 * 14 + 6) * 14 + 4},
      {"4s 3d Ks Kd 7c 7h 2c", 2 * K + (12 * 14 + 6) * 14 + 3},
      {"As Ad Kc Kh 2s", 2 * K + (13 * 14 + 12) * 14 + 1},
      {"As Ad Kc Kh", 2170882}};
  for (auto [cards, value] : cases) EXPECT_EQ(Value(cards), value) << cards;
  const char* names[] = {"High Card", "Pair",    "2 Pair", "Trips",   "Straight",
                         "Flush",     "Full Hs", "4 Up",   "S-Flush", ""};
  for (uint32_t c = 0; c < 10; ++c) EXPECT_STREQ(CategoryName(c), names[c]) << c;
  EXPECT_EQ(CategoryOf(Value("As Ad Kc Kh")), CategoryPair);
  // Outside two to nine cards, or with a code outside 1..52, a hand is worth
  // nothing; in Omaha only the two-plus-three hands that hold such a code are.
  const uint8_t bad[10] = {1, 2, 0, 4, 53, 6, 200, 8, 9, 10};
  for (int n : {0, 1, 3, 9, 10}) EXPECT_EQ(EvaluateHand(bad, n), 0u) << n;
  EXPECT_EQ(EvaluateBest(bad, 9, 4), Value("As 4s 6s 8s 9s"));
}

using test::Cards;

// Every board completion of known hands, valued by the reference evaluator.
std::vector<EquityFigures> ReferenceCount(const EquitySpot& spot) {
  std::vector<uint8_t> deck;
  for (uint8_t card = 1; card <= 52; ++card) {
    bool used = std::count(spot.board.begin(), spot.board.end(), card) > 0;
    for (const auto& hand : spot.hands) used = used || std::count(hand.begin(), hand.end(), card);
    if (!used) deck.push_back(card);
  }
  std::vector<bool> mask(deck.size(), false);
  std::fill(mask.end() - static_cast<ptrdiff_t>(5 - spot.board.size()), mask.end(), true);
  std::vector<EquityFigures> sums(spot.hands.size());
  double deals = 0;
  do {
    std::vector<uint32_t> values;
    for (const auto& hand : spot.hands) {
      std::vector<uint8_t> all = hand;
      all.insert(all.end(), spot.board.begin(), spot.board.end());
      for (size_t i = 0; i < deck.size(); ++i) {
        if (mask[i]) all.push_back(deck[i]);
      }
      values.push_back(reference::EvaluateBest(all.data(), int(all.size()), spot.holeCards));
    }
    const uint32_t best = *std::max_element(values.begin(), values.end());
    const auto winners = std::count(values.begin(), values.end(), best);
    for (size_t h = 0; h < values.size(); ++h) {
      if (values[h] != best) continue;
      (winners == 1 ? sums[h].win : sums[h].tie) += 100;
      sums[h].equity += 100.0 / static_cast<double>(winners);
    }
    ++deals;
  } while (std::next_permutation(mask.begin(), mask.end()));
  for (EquityFigures& f : sums) f.win /= deals, f.tie /= deals, f.equity /= deals;
  return sums;
}

TEST(Equity, ExactCountsAgreeWithTheReferenceAndSamplesWithinFourStandardErrors) {
  const struct {
    int hole;
    std::vector<std::string> hands;
    std::string board;
  } spots[] = {
      {2, {"AsAh", "KsKh"}, "7c8d9s"},
      {2, {"AhKh", "QsQc", "7d6d"}, "Th2h6c"},
      {2, {"2c3c", "2d3d"}, "4h5h6s"},  // a split straight
      {2, {"AsKd", "QhJh", "9c9d", "7s2c"}, "8h7h3c2d"},
      {4, {"AsKsQhJh", "2c2d3c3d"}, "7h8h9c"},
      {4, {"AsAhAdAc", "KsKhQdQc"}, "2s3h7d9c"},  // four aces: only two play
  };
  for (const auto& s : spots) {
    EquitySpot spot{s.hole, {}, Cards(s.board)};
    for (const std::string& hand : s.hands) spot.hands.push_back(Cards(hand));
    SCOPED_TRACE(s.hands[0] + " " + s.hands[1] + " on " + s.board);
    ASSERT_STREQ(EquitySpotProblem(spot), "");
    const std::vector<EquityFigures> reference = ReferenceCount(spot);
    Rng rng(3);
    const EquityResult exact = ComputeEquity(spot, 0, rng, UINT64_MAX);
    EXPECT_TRUE(exact.exact);
    EXPECT_EQ(exact.deals, ExactDealCount(spot));
    const EquityResult sampled = ComputeEquity(spot, 20000, rng, 0);
    EXPECT_FALSE(sampled.exact);
    for (size_t h = 0; h < reference.size(); ++h) {
      EXPECT_NEAR(exact.hands[h].win, reference[h].win, 1e-9);
      EXPECT_NEAR(exact.hands[h].tie, reference[h].tie, 1e-9);
      EXPECT_NEAR(exact.hands[h].equity, reference[h].equity, 1e-9);
      const EquityFigures& guess = sampled.hands[h];
      EXPECT_NEAR(guess.equity, reference[h].equity, 4 * guess.stdError + 1e-9);
    }
  }
}

}  // namespace
}  // namespace qf
