// Hand values: every hand of two to five cards and random longer and Omaha
// hands against the plain reference evaluator, and the rules a player sees at
// the showdown spelled out on chosen hands.
#include "engine/evaluate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <string>

#include "reference_evaluator.h"
#include "table_setup.h"

namespace qf {
namespace {

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
      for (i = n - 1; i >= 0 && index[i] == 52 - n + i; --i) {
      }
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

}  // namespace
}  // namespace qf
