// The scoring steps of a computer seat's decision, with chosen inputs.
#include "players/decision_score.h"

#include <gtest/gtest.h>

#include "players/decision.h"

namespace qf {
namespace {

constexpr int kTexasFlop = 5;
constexpr int kTexasTurn = 6;
constexpr int kTexasRiver = 7;

ScoreSituation Situation(int cardsSeen, int outlook, int r, int holeCards = kTexasHoleCards) {
  ScoreSituation s;
  s.cardsSeen = cardsSeen;
  s.holeCards = holeCards;
  s.strength.outlook = outlook;
  s.strength.r = r;
  s.strength.unit = 2;
  s.strength.callRatio = 1;
  s.strength.liveOthers = 1;
  s.strength.seatedOthers = 1;
  s.strength.liveWithChips = 2;
  return s;
}

// --- The worked example: a Smart seat before the flop -----------------------

TEST(SmartPreFlopExample, ScoresRaisesAndFitsTheLimits) {
  // Outlook 3, one live opponent, nothing to call, r 50, no raises yet.
  ScoreSituation s = Situation(2, 3, 50);
  int score = StreetScore(s);
  EXPECT_EQ(score, 71);  // 75, no swing, -3 for the opponent, -1 for callRatio 1
  Rng rng(1);
  score = AdjustForKind(s, score, rng);
  EXPECT_EQ(score, 121);

  BetLimitsResult fixed{false, 2, 2};
  EXPECT_EQ(AggressionBonus(score, s.strength.r, fixed), 0);
  uint64_t raise = RaiseForScore(score, s.strength.unit);
  EXPECT_EQ(raise, 4u);                                     // 2 x unit
  EXPECT_EQ(DecisionFromScore(score, 0, raise, fixed), 2);  // the fixed bet

  BetLimitsResult noLimit{false, 2, 200};
  EXPECT_EQ(AggressionBonus(score, s.strength.r, noLimit), 0);  // r 50 is too low
  EXPECT_EQ(DecisionFromScore(score, 0, raise, noLimit), 4);
  BetLimitsResult highMinimum{false, 10, 200};
  EXPECT_EQ(DecisionFromScore(score, 0, raise, highMinimum), 10);
}

// --- Street scores -----------------------------------------------------------

TEST(StreetScore, PreFlopSwingByDraw) {
  // Outlook 1, no opponents, callRatio 1: 50 - 1 before the swing.
  struct Case {
    int r;
    int swing;
  };
  const Case cases[] = {{99, 75},  {98, 25},  {91, 25}, {90, 0},  {30, 0},   {29, -25}, {20, -25},
                        {19, -50}, {10, -50}, {9, -75}, {2, -75}, {1, -100}, {0, -100}};
  for (const Case& c : cases) {
    ScoreSituation s = Situation(2, 1, c.r);
    s.strength.liveOthers = 0;
    EXPECT_EQ(StreetScore(s), 49 + c.swing) << "r " << c.r;
  }
}

TEST(StreetScore, LaterSwingByDraw) {
  // Flop, outlook 1, two seated: base 50; -5 for callRatio 1, no live opponents.
  struct Case {
    int r;
    int swing;
  };
  const Case cases[] = {{99, 75}, {91, 25}, {90, 0},  {20, 0},  {19, -25}, {10, -25},
                        {9, -50}, {5, -50}, {4, -75}, {2, -75}, {1, -100}};
  for (const Case& c : cases) {
    ScoreSituation s = Situation(kTexasFlop, 1, c.r);
    s.strength.liveOthers = 0;
    EXPECT_EQ(StreetScore(s), 45 + c.swing) << "r " << c.r;
  }
}

TEST(StreetScore, PreFlopPenalties) {
  ScoreSituation s = Situation(2, 0, 50);
  s.strength.liveOthers = 2;
  s.strength.callRatio = 5;  // above 2 x unit (4): outlook 0 costs 25
  EXPECT_EQ(StreetScore(s), 50 - 25 - 6 - 25);
  s.strength.callRatio = 4;  // not above 2 x unit
  EXPECT_EQ(StreetScore(s), 50 - 6 - 16);
  s.raises = 2;  // a re-raised pot lifts a positive score
  EXPECT_EQ(StreetScore(s), 50 - 6 - 16 + 25);
  s.raises = 1;
  EXPECT_EQ(StreetScore(s), 50 - 6 - 16);
}

TEST(StreetScore, PreFlopOutlookThreeStartsHigher) {
  ScoreSituation s = Situation(4, 3, 50, kOmahaHoleCards);
  EXPECT_EQ(StreetScore(s), 75 - 3 - 1);
  s.strength.outlook = 2;
  EXPECT_EQ(StreetScore(s), 50 - 3 - 1);
}

TEST(StreetScore, FlopBaseShrinksWithSeatedPlayers) {
  ScoreSituation s = Situation(kTexasFlop, 3, 50);
  s.strength.improvement = 2;
  const int penalties = 5 + 4;  // callRatio 1, one live opponent
  s.strength.seatedOthers = 2;
  EXPECT_EQ(StreetScore(s), 110 - penalties);
  s.strength.seatedOthers = 3;
  EXPECT_EQ(StreetScore(s), 90 - penalties);
  s.strength.seatedOthers = 4;
  EXPECT_EQ(StreetScore(s), 90 - penalties);
  s.strength.seatedOthers = 6;
  EXPECT_EQ(StreetScore(s), 70 - penalties);
  s.strength.seatedOthers = 7;
  EXPECT_EQ(StreetScore(s), 50 - penalties);
  s.strength.seatedOthers = 1;
  s.strength.improvement = -2;  // the board is better than the seat's own cards
  EXPECT_EQ(StreetScore(s), -10 - penalties);
}

TEST(StreetScore, FlopOutlookZeroAndRaises) {
  ScoreSituation s = Situation(kTexasFlop, 0, 50);
  s.strength.improvement = 3;  // ignored: beaten now and at the river
  EXPECT_EQ(StreetScore(s), -9);
  s.raises = 2;  // more raises than live opponents lift a hopeless score
  EXPECT_EQ(StreetScore(s), -9 + 50);
  s.strength.outlook = 3;
  s.strength.improvement = 0;
  s.raises = 3;  // a positive score gains from a third raise
  EXPECT_EQ(StreetScore(s), 50 - 9 + 25);
}

TEST(StreetScore, TurnAndRiverAddTwentyFive) {
  ScoreSituation flop = Situation(kTexasFlop, 3, 50);
  ScoreSituation turn = Situation(kTexasTurn, 3, 50);
  EXPECT_EQ(StreetScore(turn), StreetScore(flop) + 25);
  ScoreSituation omahaFlop = Situation(7, 3, 50, kOmahaHoleCards);
  EXPECT_EQ(StreetScore(omahaFlop), StreetScore(flop));
}

TEST(StreetScore, RiverUsesHalfTheImprovement) {
  ScoreSituation s = Situation(kTexasRiver, 3, 50);
  s.strength.improvement = 3;  // counts as 1
  EXPECT_EQ(StreetScore(s), 80 - 5 - 6 + 25);
  s.strength.improvement = -3;  // counts as -1, rounded toward zero
  EXPECT_EQ(StreetScore(s), 20 - 5 - 6 + 25);
  s.raises = 1;  // a bet on the river lifts a positive score by 50
  EXPECT_EQ(StreetScore(s), 20 - 5 - 6 + 50 + 25);
}

TEST(StreetScore, RiverOutlookZeroFacingManyRaises) {
  ScoreSituation s = Situation(kTexasRiver, 0, 50);
  EXPECT_EQ(StreetScore(s), -11 + 25);
  s.raises = 2;
  EXPECT_EQ(StreetScore(s), -11 + 75 + 25);
}

// --- Adjustment per kind -------------------------------------------------------

int Adjusted(const ScoreSituation& s, int score) {
  Rng rng(7);
  return AdjustForKind(s, score, rng);
}

TEST(KindAdjustment, Smart) {
  ScoreSituation s = Situation(kTexasFlop, 1, 50);
  s.strength.liveOthers = 5;
  EXPECT_EQ(Adjusted(s, 40), 40 + 25 + 50 - 25);  // outlook 1 after the flop

  s = Situation(kTexasFlop, 3, 50);
  s.strength.liveOthers = 2;
  s.strength.foldDelta = -7;
  // -60 + 50 is still not positive: +25; then few opponents: +25; then foldDelta.
  EXPECT_EQ(Adjusted(s, -60), -60 + 50 + 25 + 25 - 7);

  s = Situation(2, 1, 50);
  s.strength.foldDelta = 3;
  EXPECT_EQ(Adjusted(s, 10), 10 + 25 + 3);  // pre-flop: nothing post-flop applies

  s = Situation(kTexasTurn, 0, 50);
  EXPECT_EQ(Adjusted(s, 80), 80 - 25 - 25 + 25);

  s = Situation(kTexasRiver, 2, 50);
  s.strength.liveOthers = 3;
  EXPECT_EQ(Adjusted(s, 100), 100 + 12 - 25 + 25);
  s.strength.liveOthers = 4;  // too many opponents for the last bonus
  EXPECT_EQ(Adjusted(s, 100), 100 + 12 - 25);
}

TEST(KindAdjustment, Tight) {
  ScoreSituation s = Situation(kTexasRiver, 3, 50);
  s.kind = KindTight;
  s.strength.liveOthers = 2;
  s.strength.foldDelta = -5;
  EXPECT_EQ(Adjusted(s, 60), 60 + 25 - 10);    // river against two: +25; folds less: 2 x delta
  EXPECT_EQ(Adjusted(s, 150), 150 - 50 - 10);  // too confident: -50

  s = Situation(kTexasFlop, 1, 50);
  s.kind = KindTight;
  s.strength.liveOthers = 2;
  s.strength.foldDelta = 4;  // folding more than the humans changes nothing
  EXPECT_EQ(Adjusted(s, 150), 150 - 25 - 50);
  EXPECT_EQ(Adjusted(s, 100), 100 - 25);  // 75 is not above 75

  s = Situation(2, 0, 50);
  s.kind = KindTight;
  s.strength.foldDelta = -10;
  EXPECT_EQ(Adjusted(s, 90), 90 - 25 - 20);
}

TEST(KindAdjustment, Loose) {
  ScoreSituation s = Situation(2, 2, 50);
  s.kind = KindLoose;
  s.strength.foldDelta = 5;
  EXPECT_EQ(Adjusted(s, 45), 45 + 10 + 50 + 10);

  s = Situation(kTexasFlop, 0, 50);
  s.kind = KindLoose;
  s.strength.liveOthers = 3;
  s.strength.foldDelta = -4;
  EXPECT_EQ(Adjusted(s, 20), 20 + 25 - 4);

  s = Situation(kTexasFlop, 1, 50);
  s.kind = KindLoose;
  EXPECT_EQ(Adjusted(s, 0), 0 + 50 + 50);  // 100 is past the few-opponents bonus
}

TEST(KindAdjustment, Paranoid) {
  ScoreSituation s = Situation(kTexasFlop, 3, 50);
  s.kind = KindParanoid;
  s.raises = 2;
  s.strength.liveOthers = 3;
  s.strength.foldDelta = -2;
  EXPECT_EQ(Adjusted(s, 100), 100 - 20 - 18 - 2 + 15 - 20);
  s.raises = 0;
  s.strength.liveOthers = 1;
  s.strength.foldDelta = 0;
  EXPECT_EQ(Adjusted(s, 100), 100 - 6 + 15);
}

TEST(KindAdjustment, BluffingUsesAbsoluteCardCounts) {
  ScoreSituation s = Situation(2, 2, 50);  // Texas pre-flop
  s.kind = KindBluffing;
  s.strength.liveOthers = 2;
  EXPECT_EQ(Adjusted(s, 30), 30 + 10 + 25 - 20);

  s = Situation(kTexasRiver, 3, 50);
  s.kind = KindBluffing;
  s.strength.liveOthers = 2;
  s.strength.foldDelta = 3;
  EXPECT_EQ(Adjusted(s, 20), 20 + 50 + 100 - 20 + 30);

  s = Situation(7, 0, 50, kOmahaHoleCards);  // the Omaha flop also holds 7 cards
  s.kind = KindBluffing;
  EXPECT_EQ(Adjusted(s, 10), 10 + 100 - 10);

  s = Situation(9, 0, 50, kOmahaHoleCards);  // Omaha river
  s.kind = KindBluffing;
  s.strength.liveOthers = 3;
  s.strength.foldDelta = -1;
  EXPECT_EQ(Adjusted(s, 30), 30 + 100 - 30 - 1);
  EXPECT_EQ(Adjusted(s, -5), -5 - 30 - 1);  // nothing to bluff with
}

TEST(KindAdjustment, StupidAndErraticDrawASecondNumber) {
  ScoreSituation s = Situation(kTexasFlop, 1, 50);
  s.strength.foldDelta = 2;

  s.kind = KindStupid;
  Rng rng(99);
  Rng copy = rng;
  int second = static_cast<int>(Random(copy, 100));
  EXPECT_EQ(AdjustForKind(s, 30, rng), 30 + 40 + second);
  EXPECT_EQ(rng.State(), copy.State());

  s.kind = KindErratic;
  second = static_cast<int>(Random(copy, 100));
  EXPECT_EQ(AdjustForKind(s, 10, rng), 10 + second + 2 - 50);
  EXPECT_EQ(rng.State(), copy.State());

  // The same situation gives different scores as the draws go on.
  bool differed = false;
  int first = AdjustForKind(s, 10, rng);
  for (int i = 0; i < 20 && !differed; ++i) differed = AdjustForKind(s, 10, rng) != first;
  EXPECT_TRUE(differed);
}

TEST(KindAdjustment, OtherKindsDrawNothing) {
  for (uint32_t kind : {KindSmart, KindTight, KindLoose, KindParanoid, KindBluffing}) {
    ScoreSituation s = Situation(kTexasFlop, 1, 50);
    s.kind = kind;
    Rng rng(5);
    uint64_t before = rng.State();
    AdjustForKind(s, 40, rng);
    EXPECT_EQ(rng.State(), before) << "kind " << kind;
  }
}

// --- From score to action ------------------------------------------------------

TEST(AggressionBonus, OnlyForStrongScoresWithRoomToRaise) {
  BetLimitsResult wide{false, 2, 9};
  EXPECT_EQ(AggressionBonus(75, 96, wide), 8 * 25);
  EXPECT_EQ(AggressionBonus(75, 61, wide), 25);
  EXPECT_EQ(AggressionBonus(75, 60, wide), 0);
  EXPECT_EQ(AggressionBonus(75, 81, wide), 5 * 25);
  EXPECT_EQ(AggressionBonus(74, 99, wide), 0);
  BetLimitsResult narrow{false, 2, 8};  // not more than four times the minimum
  EXPECT_EQ(AggressionBonus(200, 99, narrow), 0);
}

TEST(RaiseForScore, HighestTierReached) {
  struct Case {
    int score;
    uint64_t units;
  };
  const Case cases[] = {{-50, 0},  {74, 0},   {75, 1},   {99, 1},    {100, 2},
                        {124, 2},  {125, 4},  {150, 6},  {175, 8},   {200, 10},
                        {225, 25}, {250, 50}, {299, 50}, {300, 100}, {900, 100}};
  for (const Case& c : cases) {
    EXPECT_EQ(RaiseForScore(c.score, 3), 3 * c.units) << "score " << c.score;
  }
}

TEST(DecisionFromScore, FoldCallOrRaiseWithinLimits) {
  BetLimitsResult limits{false, 4, 40};
  EXPECT_EQ(DecisionFromScore(0, 6, 0, limits), kDecisionFold);
  EXPECT_EQ(DecisionFromScore(-30, 6, 20, limits), kDecisionFold);
  EXPECT_EQ(DecisionFromScore(-30, 0, 0, limits), kDecisionCall);  // nothing to call: check
  EXPECT_EQ(DecisionFromScore(60, 6, 0, limits), kDecisionCall);
  EXPECT_EQ(DecisionFromScore(120, 6, 20, limits), 20);
  EXPECT_EQ(DecisionFromScore(300, 6, 400, limits), 40);  // cut to the maximum
  EXPECT_EQ(DecisionFromScore(80, 6, 2, limits), 4);      // lifted to the minimum
  BetLimitsResult crossed{false, 10, 6};                  // pot limit with a pot below the minimum
  EXPECT_EQ(DecisionFromScore(120, 0, 4, crossed), 6);
  BetLimitsResult capped{false, 0, 0};
  EXPECT_EQ(DecisionFromScore(300, 6, 400, capped), kDecisionCall);
}

}  // namespace
}  // namespace qf
