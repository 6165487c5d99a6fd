// Hand values a player sees at the showdown and in the hand labels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/evaluate.h"
#include "engine/table_setup.h"

namespace qf {
namespace {

using test::Cards;

uint32_t Value(const std::string& text) {
  std::vector<uint8_t> cards = Cards(text);
  return EvaluateHand(cards.data(), static_cast<int>(cards.size()));
}

uint32_t Best(const std::string& text, int holeCards) {
  std::vector<uint8_t> cards = Cards(text);
  return EvaluateBest(cards.data(), static_cast<int>(cards.size()), holeCards);
}

constexpr uint32_t kStep = kCategoryStep;

TEST(EvaluateStraights, WheelIsTheLowestStraightAndAceHighTheHighest) {
  EXPECT_EQ(Value("As 2d 3c 4h 5s"), 4 * kStep + 1);
  EXPECT_EQ(Value("2d 3c 4h 5s 6s"), 4 * kStep + 2);
  EXPECT_EQ(Value("Ts Jd Qc Kh As"), 4 * kStep + 10);
  EXPECT_LT(Value("As 2d 3c 4h 5s Kd Qh"), Value("2d 3c 4h 5s 6s 9c Jd"));
  // Seven in a row: the highest five count.
  EXPECT_EQ(Value("8s 9d Tc Jh Qs Kd Ah"), 4 * kStep + 10);
  // K-A-2-3-4 does not wrap around.
  EXPECT_EQ(CategoryOf(Value("Ks Ad 2c 3h 4s")), CategoryHighCard);
}

TEST(EvaluateStraights, StraightFlushesIncludingTheSteelWheel) {
  EXPECT_EQ(Value("As 2s 3s 4s 5s"), 8 * kStep + 1);
  EXPECT_EQ(Value("Th Jh Qh Kh Ah 2c 2d"), 8 * kStep + 10);
  // A flush and a straight in different cards are not a straight flush.
  EXPECT_EQ(CategoryOf(Value("2h 3h 4h 5h 9h 6c Kd")), CategoryFlush);
  // The straight flush beats four of a kind held at the same time.
  EXPECT_EQ(Value("5d 6d 7d 8d 9d 9c 9h 9s"), 8 * kStep + 5);
}

TEST(EvaluateTwoPair, ThirdPairServesAsKicker) {
  // K K 7 7 5 5 2: Kings and Sevens with the Five as kicker.
  EXPECT_EQ(Value("Ks Kd 7c 7h 5s 5d 2c"), 2 * kStep + (12 * 14 + 6) * 14 + 4);
  // On a board of K K 7 7 2, a pair of Fives beats Four-Three.
  EXPECT_GT(Value("5s 5d Ks Kd 7c 7h 2c"), Value("4s 3d Ks Kd 7c 7h 2c"));
  // A single card higher than the third pair still plays.
  EXPECT_EQ(Value("Ks Kd 7c 7h 5s 5d Ac"), 2 * kStep + (12 * 14 + 6) * 14 + 13);
  // Aces are the highest pair.
  EXPECT_EQ(Value("As Ad Kc Kh 2s"), 2 * kStep + (13 * 14 + 12) * 14 + 1);
}

TEST(EvaluateTwoPair, FourCardsWithoutKickerStayOnePair) {
  EXPECT_EQ(Value("As Ad Kc Kh"), 2170882u);
  EXPECT_EQ(CategoryOf(Value("As Ad Kc Kh")), CategoryPair);
  EXPECT_EQ(Value("As Ad Kc Kh Qd"), 2 * kStep + (13 * 14 + 12) * 14 + 11);
}

TEST(EvaluateOfAKind, ShortHandsFillMissingKickersWithEmptySlots) {
  // A pocket pair of Sixes: two empty kicker slots worth 2 each.
  EXPECT_EQ(Value("6s 6d"), kStep + 5 * 65536 + 4);
  EXPECT_EQ(Value("7s 7d 7c"), 3 * kStep + 6 * 65536 + 4);
  EXPECT_EQ(Value("As Ad Ac Ah"), 7 * kStep + 13 * 65536 + 2);
  EXPECT_EQ(Value("Ks Ah"), (1u << 13) + (1u << 12));
  EXPECT_EQ(Value("2s 4h 9c"), (1u << 1) + (1u << 3) + (1u << 8));
}

TEST(EvaluateOfAKind, KickersAreTheBestOtherCards) {
  EXPECT_EQ(Value("As Ad Ac Ah Kd 2c 3c"), 7 * kStep + 13 * 65536 + (1u << 12));
  // The quads' kicker may come from a pair.
  EXPECT_EQ(Value("9s 9d 9c 9h Qd Qc 3c"), 7 * kStep + 8 * 65536 + (1u << 11));
  EXPECT_EQ(Value("Js Jd Jc 2h 5d 8c Kc"), 3 * kStep + 10 * 65536 + (1u << 12) + (1u << 7));
  EXPECT_EQ(Value("Ts Td 2c 5h 8d 3c Qc"), kStep + 9 * 65536 + (1u << 11) + (1u << 7) + (1u << 4));
  EXPECT_GT(Value("Ts Td Ac 5h 8d"), Value("Ts Td Kc Qh Jd"));
}

TEST(EvaluateFullHouse, TwoSetsOfTripsMakeAFullHouseWithTheLowerSetAsPair) {
  EXPECT_EQ(Value("Ks Kd Kc 9h 9d 9c 2c"), 6 * kStep + 12 * 14 + 8);
  EXPECT_EQ(Value("As Ad Ac Kh Kd Kc"), 6 * kStep + 13 * 14 + 12);
  // Trips with two pairs: the higher pair plays.
  EXPECT_EQ(Value("4s 4d 4c Qh Qd 8c 8h"), 6 * kStep + 3 * 14 + 11);
}

TEST(EvaluateFlush, TopFiveCardsOfTheSuitCount) {
  EXPECT_EQ(Value("As Ks Qs 9s 7s 2s 3s"),
            5 * kStep + (1u << 13) + (1u << 12) + (1u << 11) + (1u << 8) + (1u << 6));
  EXPECT_GT(Value("As 3s 4s 6s 8s"), Value("Kd Qd Jd 9d 7d"));
  // The flush beats the straight held with it; a full house beats the flush.
  EXPECT_EQ(CategoryOf(Value("2c 4c 6c 8c Tc 9d 7h")), CategoryFlush);
  EXPECT_EQ(CategoryOf(Value("2c 4c 6c 8c Tc 2d 2h 4d")), CategoryFullHouse);
}

TEST(EvaluateOmaha, ExactlyTwoHoleCardsAndThreeBoardCardsPlay) {
  // One spade in the hand and four on the board: no flush at the river.
  uint32_t noFlush = Best("As 2d 3d 4c  Ks 9s 7s 5s Jh", 4);
  EXPECT_NE(CategoryOf(noFlush), CategoryFlush);
  EXPECT_EQ(noFlush, (1u << 13) + (1u << 12) + (1u << 10) + (1u << 8) + (1u << 3));
  // Two spades in the hand: A, K and the three best board spades.
  EXPECT_EQ(Best("As Ks 2d 3d  Qs 9s 7s 5s Jh", 4),
            5 * kStep + (1u << 13) + (1u << 12) + (1u << 11) + (1u << 8) + (1u << 6));
  // Four Aces in the hand are only a pair of Aces with the board's best three.
  EXPECT_EQ(Best("As Ad Ac Ah  2s 5d 9c Jh Kd", 4),
            kStep + 13 * 65536 + (1u << 12) + (1u << 10) + (1u << 8));
  // A board straight needs two hole cards of it.
  EXPECT_EQ(Best("2c 2d Kc Kd  5s 6d 7h 8c 9s", 4),
            kStep + 12 * 65536 + (1u << 8) + (1u << 7) + (1u << 6));
  EXPECT_EQ(CategoryOf(Value("2c 2d Kc Kd  5s 6d 7h 8c 9s")), CategoryStraight);
}

TEST(EvaluateOmaha, BeforeTheRiverAllCardsCountTogether) {
  std::vector<uint8_t> turn = Cards("As 2d 3d 4c  Ks 9s 7s 5s");
  EXPECT_EQ(EvaluateBest(turn.data(), 8, 4), EvaluateHand(turn.data(), 8));
  EXPECT_EQ(CategoryOf(EvaluateBest(turn.data(), 8, 4)), CategoryFlush);
  std::vector<uint8_t> river = Cards("As 2d 3d 4c  Ks 9s 7s 5s Jh");
  EXPECT_EQ(EvaluateBest(river.data(), 9, 2), EvaluateHand(river.data(), 9));
}

TEST(EvaluateLimits, HandsOutsideTwoToNineCardsOrWithBadCodesAreZero) {
  const uint8_t ten[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  EXPECT_EQ(EvaluateHand(ten, 0), 0u);
  EXPECT_EQ(EvaluateHand(ten, 1), 0u);
  EXPECT_EQ(EvaluateHand(ten, 10), 0u);
  EXPECT_EQ(EvaluateHand(ten, -3), 0u);
  EXPECT_EQ(EvaluateHand(ten, 9), 8 * kStep + 5);
  // Codes outside 1..52 make a hand worth nothing; in Omaha only the
  // two-plus-three hands that hold one are.
  const uint8_t bad[9] = {1, 2, 0, 4, 53, 6, 200, 8, 9};
  EXPECT_EQ(EvaluateHand(bad, 2), (1u << 13) + (1u << 1));
  for (int n = 3; n <= 9; ++n) EXPECT_EQ(EvaluateHand(bad, n), 0u) << n;
  EXPECT_EQ(EvaluateBest(bad, 9, 4), Value("As 4s 6s 8s 9s"));
}

TEST(EvaluateNames, CategoryLabelsAndCategoryOfValues) {
  const char* expected[] = {"High Card", "Pair",    "2 Pair", "Trips",  "Straight",
                            "Flush",     "Full Hs", "4 Up",   "S-Flush"};
  for (uint32_t c = 0; c < 9; ++c) EXPECT_STREQ(CategoryName(c), expected[c]) << c;
  EXPECT_STREQ(CategoryName(9), "");
  EXPECT_EQ(CategoryOf(Value("As Ad Kc Kh")), 1u);
  EXPECT_EQ(CategoryOf(Value("Th Jh Qh Kh Ah")), 8u);
  EXPECT_EQ(CategoryOf(8 * kStep + 10), 8u);
  EXPECT_EQ(CategoryOf(kStep - 1), 0u);
}

}  // namespace
}  // namespace qf
