// Hand values a player sees at the showdown and in the hand labels. The
// reference comparisons check every other hand against the same rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/evaluate.h"
#include "engine/table_setup.h"

namespace qf {
namespace {

constexpr uint32_t K = kCategoryStep;
constexpr uint32_t kKind = 65536;  // of-a-kind rank step

constexpr uint32_t Bits(std::initializer_list<int> values) {
  uint32_t sum = 0;
  for (int v : values) sum += 1u << v;
  return sum;
}

// EvaluateHand of the cards, or with holeCards 4 EvaluateBest as in Omaha.
uint32_t Value(const std::string& text, int holeCards = 0) {
  std::vector<uint8_t> cards = test::Cards(text);
  int n = static_cast<int>(cards.size());
  return holeCards != 0 ? EvaluateBest(cards.data(), n, holeCards) : EvaluateHand(cards.data(), n);
}

TEST(Evaluate, ValuesOfChosenHands) {
  const struct {
    const char* cards;
    int holeCards;
    uint32_t value;
  } cases[] = {
      // Straights: the wheel lowest, ace high highest, no wrap round the ace.
      {"As 2d 3c 4h 5s", 0, 4 * K + 1},
      {"As 2d 3c 4h 5s Kd Qh", 0, 4 * K + 1},
      {"2d 3c 4h 5s 6s", 0, 4 * K + 2},
      {"8s 9d Tc Jh Qs Kd Ah", 0, 4 * K + 10},
      {"Ks Ad 2c 3h 4s", 0, Bits({13, 12, 3, 2, 1})},
      // Straight flushes, the steel wheel, and beating quads held with them.
      {"As 2s 3s 4s 5s", 0, 8 * K + 1},
      {"Th Jh Qh Kh Ah 2c 2d", 0, 8 * K + 10},
      {"5d 6d 7d 8d 9d 9c 9h 9s", 0, 8 * K + 5},
      {"2h 3h 4h 5h 9h 6c Kd", 0, 5 * K + Bits({8, 4, 3, 2, 1})},
      // Flushes: the top five of the suit; a full house beats them.
      {"As Ks Qs 9s 7s 2s 3s", 0, 5 * K + Bits({13, 12, 11, 8, 6})},
      {"2c 4c 6c 8c Tc 9d 7h", 0, 5 * K + Bits({9, 7, 5, 3, 1})},
      {"2c 4c 6c 8c Tc 2d 2h 4d", 0, 6 * K + 1 * 14 + 3},
      // Two pair: a third pair serves as kicker, so on a board of K K 7 7 2 a
      // pair of fives beats four-three; four cards without a kicker stay a pair.
      {"Ks Kd 7c 7h 5s 5d 2c", 0, 2 * K + (12 * 14 + 6) * 14 + 4},
      {"4s 3d Ks Kd 7c 7h 2c", 0, 2 * K + (12 * 14 + 6) * 14 + 3},
      {"Ks Kd 7c 7h 5s 5d Ac", 0, 2 * K + (12 * 14 + 6) * 14 + 13},
      {"As Ad Kc Kh 2s", 0, 2 * K + (13 * 14 + 12) * 14 + 1},
      {"As Ad Kc Kh", 0, 2170882},
      // Of a kind: the best other cards kick, empty slots count 2 each.
      {"6s 6d", 0, K + 5 * kKind + 4},
      {"7s 7d 7c", 0, 3 * K + 6 * kKind + 4},
      {"As Ad Ac Ah", 0, 7 * K + 13 * kKind + 2},
      {"Ks Ah", 0, Bits({13, 12})},
      {"2s 4h 9c", 0, Bits({1, 3, 8})},
      {"As Ad Ac Ah Kd 2c 3c", 0, 7 * K + 13 * kKind + Bits({12})},
      {"9s 9d 9c 9h Qd Qc 3c", 0, 7 * K + 8 * kKind + Bits({11})},
      {"Js Jd Jc 2h 5d 8c Kc", 0, 3 * K + 10 * kKind + Bits({12, 7})},
      {"Ts Td 2c 5h 8d 3c Qc", 0, K + 9 * kKind + Bits({11, 7, 4})},
      // Full houses: of two sets of trips the lower plays as the pair.
      {"Ks Kd Kc 9h 9d 9c 2c", 0, 6 * K + 12 * 14 + 8},
      {"As Ad Ac Kh Kd Kc", 0, 6 * K + 13 * 14 + 12},
      {"4s 4d 4c Qh Qd 8c 8h", 0, 6 * K + 3 * 14 + 11},
      // Omaha river: exactly two hole cards and three board cards.
      {"As 2d 3d 4c  Ks 9s 7s 5s Jh", 4, Bits({13, 12, 10, 8, 3})},
      {"As Ks 2d 3d  Qs 9s 7s 5s Jh", 4, 5 * K + Bits({13, 12, 11, 8, 6})},
      {"As Ad Ac Ah  2s 5d 9c Jh Kd", 4, K + 13 * kKind + Bits({12, 10, 8})},
      {"2c 2d Kc Kd  5s 6d 7h 8c 9s", 4, K + 12 * kKind + Bits({8, 7, 6})},
      {"2c 2d Kc Kd  5s 6d 7h 8c 9s", 0, 4 * K + 5},
  };
  for (const auto& c : cases) EXPECT_EQ(Value(c.cards, c.holeCards), c.value) << c.cards;
  EXPECT_GT(Value("As 3s 4s 6s 8s"), Value("Kd Qd Jd 9d 7d"));
  EXPECT_GT(Value("Ts Td Ac 5h 8d"), Value("Ts Td Kc Qh Jd"));
}

TEST(Evaluate, HandsOutsideTwoToNineCardsOrWithBadCodesAreZero) {
  const uint8_t ten[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  for (int n : {0, 1, 10, -3}) EXPECT_EQ(EvaluateHand(ten, n), 0u) << n;
  EXPECT_EQ(EvaluateHand(ten, 9), 8 * K + 5);
  // Codes outside 1..52 make a hand worth nothing; in Omaha only the
  // two-plus-three hands that hold one are.
  const uint8_t bad[9] = {1, 2, 0, 4, 53, 6, 200, 8, 9};
  EXPECT_EQ(EvaluateHand(bad, 2), Bits({13, 1}));
  for (int n = 3; n <= 9; ++n) EXPECT_EQ(EvaluateHand(bad, n), 0u) << n;
  EXPECT_EQ(EvaluateBest(bad, 9, 4), Value("As 4s 6s 8s 9s"));
}

TEST(Evaluate, CategoryNames) {
  const char* expected[] = {"High Card", "Pair",    "2 Pair", "Trips",   "Straight",
                            "Flush",     "Full Hs", "4 Up",   "S-Flush", ""};
  for (uint32_t c = 0; c < 10; ++c) EXPECT_STREQ(CategoryName(c), expected[c]) << c;
  EXPECT_EQ(CategoryOf(Value("As Ad Kc Kh")), CategoryPair);
  EXPECT_EQ(CategoryOf(8 * K + 10), CategoryStraightFlush);
  EXPECT_EQ(CategoryOf(K - 1), CategoryHighCard);
}

}  // namespace
}  // namespace qf
