// The engine's evaluator against the plain reference evaluator: every
// five-card hand, and random hands of every other length.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <random>

#include "engine/cards.h"
#include "engine/evaluate.h"
#include "engine/reference_evaluator.h"

namespace qf {
namespace {

// Sanitizer and debug builds check every seventh five-card hand and run the
// random checks with fewer hands.
#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
constexpr long kFiveCardStride = 7;
constexpr int kRandomHands = 40000;
constexpr int kRandomOmahaDeals = 3000;
#else
constexpr long kFiveCardStride = 1;
constexpr int kRandomHands = 500000;
constexpr int kRandomOmahaDeals = 20000;
#endif

std::string HandText(const uint8_t* cards, int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += CardText(cards[i]) + " ";
  return text;
}

// The first n cards of a freshly shuffled deck (partial Fisher-Yates) of all
// 52 cards, or of the first deckSize codes only (26: spades and clubs, where
// flushes and straight flushes abound).
class RandomDeals {
 public:
  explicit RandomDeals(uint64_t seed, int deckSize = 52) : engine_(seed), deckSize_(deckSize) {
    std::iota(deck_.begin(), deck_.end(), 1);
  }

  const uint8_t* Deal(int n) {
    for (int i = 0; i < n; ++i) {
      std::uniform_int_distribution<int> pick(i, deckSize_ - 1);
      std::swap(deck_[i], deck_[pick(engine_)]);
    }
    return deck_.data();
  }

 private:
  std::mt19937_64 engine_;
  int deckSize_;
  std::array<uint8_t, 52> deck_{};
};

// Calls check(cards) for every set of n distinct cards, in increasing code order.
template <typename Check>
void ForEachHand(int n, Check&& check) {
  std::array<uint8_t, 9> cards{};
  std::array<int, 9> index{};
  for (int i = 0; i < n; ++i) index[i] = i;
  while (true) {
    for (int i = 0; i < n; ++i) cards[i] = static_cast<uint8_t>(index[i] + 1);
    check(cards.data());
    int i = n - 1;
    while (i >= 0 && index[i] == 52 - n + i) --i;
    if (i < 0) return;
    ++index[i];
    for (int j = i + 1; j < n; ++j) index[j] = index[j - 1] + 1;
  }
}

TEST(EvaluateAgainstReference, EveryHandOfTwoToFiveCards) {
  for (int n = 2; n <= 5; ++n) {
    long hands = 0;
    long mismatches = 0;
    ForEachHand(n, [&](const uint8_t* cards) {
      if (++hands % kFiveCardStride != 0 && n == 5) return;
      uint32_t expected = reference::EvaluateHand(cards, n);
      uint32_t actual = EvaluateHand(cards, n);
      if (actual != expected && ++mismatches <= 5) {
        ADD_FAILURE() << HandText(cards, n) << "gives " << actual << ", expected " << expected;
      }
    });
    EXPECT_EQ(mismatches, 0) << n << " cards";
    const long kHandCounts[] = {0, 0, 1326, 22100, 270725, 2598960};
    EXPECT_EQ(hands, kHandCounts[n]);
  }
}

TEST(EvaluateAgainstReference, RandomHandsOfSixToNineCardsInAnyOrder) {
  RandomDeals deals(20240611);
  RandomDeals suitedDeals(31, 26);
  for (int n = 6; n <= 9; ++n) {
    long mismatches = 0;
    for (int i = 0; i < kRandomHands; ++i) {
      const uint8_t* cards = i % 5 == 4 ? suitedDeals.Deal(n) : deals.Deal(n);
      uint32_t expected = reference::EvaluateHand(cards, n);
      uint32_t actual = EvaluateHand(cards, n);
      if (actual != expected && ++mismatches <= 5) {
        ADD_FAILURE() << HandText(cards, n) << "gives " << actual << ", expected " << expected;
      }
    }
    EXPECT_EQ(mismatches, 0) << n << " cards";
  }
}

// Omaha river hands from the whole deck, and from two suits, where flushes and
// straight flushes through exactly two hole cards are common.
TEST(EvaluateAgainstReference, RandomOmahaRiverHandsTakeTwoPlusThree) {
  for (int deckSize : {52, 26}) {
    SCOPED_TRACE(testing::Message() << "deck of " << deckSize);
    RandomDeals deals(deckSize == 52 ? 77 : 5, deckSize);
    long mismatches = 0;
    long differsFromAllNine = 0;
    for (int i = 0; i < kRandomOmahaDeals; ++i) {
      const uint8_t* cards = deals.Deal(9);
      uint32_t expected = reference::EvaluateBest(cards, 9, 4);
      uint32_t actual = EvaluateBest(cards, 9, 4);
      if (actual != expected && ++mismatches <= 5) {
        ADD_FAILURE() << HandText(cards, 9) << "gives " << actual << ", expected " << expected;
      }
      if (actual != EvaluateHand(cards, 9)) ++differsFromAllNine;
      // Before the river and with Texas, all cards count together.
      for (int n : {5, 6, 7, 8}) ASSERT_EQ(EvaluateBest(cards, n, 4), EvaluateHand(cards, n));
      ASSERT_EQ(EvaluateBest(cards, 9, 2), EvaluateHand(cards, 9));
    }
    EXPECT_EQ(mismatches, 0);
    // The two-plus-three rule changes a good share of river hands.
    EXPECT_GT(differsFromAllNine, kRandomOmahaDeals / 4);
  }
}

// Hands built a card at a time on a shared part, as an odds calculator builds
// them, are worth what EvaluateHand makes of the same cards, at every size
// and with codes outside 1..52.
TEST(EvaluateAgainstReference, HandKeysValueTheirCardsAsEvaluateHand) {
  RandomDeals deals(404);
  RandomDeals suitedDeals(13, 26);
  for (int i = 0; i < kRandomHands / 4; ++i) {
    uint8_t cards[9];
    std::copy_n(i % 5 == 4 ? suitedDeals.Deal(9) : deals.Deal(9), 9, cards);
    if (i % 101 == 0) cards[i % 9] = static_cast<uint8_t>(i % 2 == 0 ? 0 : 53 + i % 200);
    const int n = i % 10;
    const int shared = i % (n + 1);
    const HandKey part = AddCards(HandKey{}, cards, shared);
    ASSERT_EQ(ValueOfKey(AddCards(part, cards + shared, n - shared)), EvaluateHand(cards, n))
        << HandText(cards, n);
  }
}

}  // namespace
}  // namespace qf
