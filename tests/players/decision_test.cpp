// The decision of a computer seat: its scoring steps with chosen inputs, then
// ComputerDecision on whole tables.
#include "players/decision.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/table_setup.h"
#include "players/decision_score.h"

namespace qf {
namespace {

using test::TableSetup;

// One live opponent, one seated, nothing much to call, unit 2.
ScoreSituation Situation(int cardsSeen, int outlook, int r, int holeCards = kTexasHoleCards) {
  ScoreSituation s;
  s.cardsSeen = cardsSeen;
  s.holeCards = holeCards;
  s.strength.outlook = outlook;
  s.strength.r = r;
  s.strength.unit = 2;
  s.strength.liveOthers = s.strength.seatedOthers = 1;
  s.strength.liveWithChips = 2;
  return s;
}

// A seed whose first draw modulo 100 is r.
uint64_t SeedForFirstDraw(int r) {
  for (uint64_t seed = 0;; ++seed) {
    Rng rng(seed);
    if (static_cast<int>(Random(rng, 100)) == r) return seed;
  }
}

// Seat 1 holds aces and stays best at the river; seat 2 is its one opponent.
TableRecord SmartPreFlop(uint8_t structure, uint32_t level = 1) {
  TableSetup setup = TableSetup().Seat(1, 200).Seat(2, 200, KindTight).Level(level);
  setup.Hole(1, "As Ad").Hole(2, "7c 2d").Board("3h 8s Jd Qc 5h");
  return setup.Structure(structure).Dealt(2, 4).Build();
}

int32_t Decide(const TableRecord& table, int r) {
  Rng rng(SeedForFirstDraw(r));
  return ComputerDecision(table, 1, 0, rng);
}

TEST(ComputerDecision, SmartPreFlopWorkedExample) {
  // Outlook 3, one live opponent, nothing to call, r 50, no raises yet.
  ScoreSituation s = Situation(2, 3, 50);
  EXPECT_EQ(StreetScore(s), 71);  // 75, no swing, -3 for the opponent, -1 for callRatio 1
  Rng rng(1);
  EXPECT_EQ(AdjustForKind(s, 71, rng), 121);
  EXPECT_EQ(RaiseForScore(121, 2), 4u);  // 2 x unit

  // The raise cut to the maximum and lifted to the minimum, in units of the stake.
  EXPECT_EQ(Decide(SmartPreFlop(StructureFixed), 50), 2);
  EXPECT_EQ(Decide(SmartPreFlop(StructureNoLimit), 50), 4);
  EXPECT_EQ(Decide(SmartPreFlop(StructureNoLimit, 3), 50), 12);
  TableRecord capped = SmartPreFlop(StructureNoLimit);
  capped.raiseCap = capped.raisesThisRound = 2;  // the cap is reached: call only
  EXPECT_EQ(Decide(capped, 50), kDecisionCall);

  // r 96 swings +25 (146 after the Smart bonus), then +200 of aggression where
  // the limits leave room: the top tier of 100 units, cut to the seat's chips.
  EXPECT_EQ(Decide(SmartPreFlop(StructureNoLimit), 96), 200);
  EXPECT_EQ(Decide(SmartPreFlop(StructureFixed), 96), 2);
}

TEST(StreetScore, SwingByTheDraw) {
  const int preFlop[][2] = {{99, 75},  {98, 25},  {91, 25},  {90, 0},   {30, 0},
                            {29, -25}, {20, -25}, {19, -50}, {10, -50}, {9, -75},
                            {2, -75},  {1, -100}, {0, -100}};
  const int later[][2] = {{99, 75}, {91, 25}, {90, 0},  {20, 0},  {19, -25}, {10, -25},
                          {9, -50}, {5, -50}, {4, -75}, {2, -75}, {1, -100}};
  for (auto [r, swing] : preFlop) {
    ScoreSituation s = Situation(2, 1, r);  // 50, -1 for callRatio 1
    s.strength.liveOthers = 0;
    EXPECT_EQ(StreetScore(s), 49 + swing) << "pre-flop r " << r;
  }
  for (auto [r, swing] : later) {
    ScoreSituation s = Situation(5, 1, r);  // flop base 50, -5 for callRatio 1
    s.strength.liveOthers = 0;
    EXPECT_EQ(StreetScore(s), 45 + swing) << "flop r " << r;
  }
}

TEST(StreetScore, BasesPenaltiesAndBonusesPerStreet) {
  const struct {
    int cards, hole, outlook, improvement, live, seated, callRatio, raises, score;
  } cases[] = {
      // Pre-flop: outlook 0 facing more than 2 units costs 25; a re-raised pot
      // lifts a positive score; outlook 3 starts at 75.
      {2, 2, 0, 0, 2, 1, 5, 0, 50 - 25 - 6 - 25},
      {2, 2, 0, 0, 2, 1, 4, 0, 50 - 6 - 16},
      {2, 2, 0, 0, 2, 1, 4, 1, 50 - 6 - 16},
      {2, 2, 0, 0, 2, 1, 4, 2, 50 - 6 - 16 + 25},
      {4, 4, 3, 0, 1, 1, 1, 0, 75 - 3 - 1},
      {4, 4, 2, 0, 1, 1, 1, 0, 50 - 3 - 1},
      // Flop: the improvement counts for less the more seats there are.
      {5, 2, 3, 2, 1, 2, 1, 0, 110 - 9},
      {5, 2, 3, 2, 1, 3, 1, 0, 90 - 9},
      {5, 2, 3, 2, 1, 4, 1, 0, 90 - 9},
      {5, 2, 3, 2, 1, 6, 1, 0, 70 - 9},
      {5, 2, 3, 2, 1, 7, 1, 0, 50 - 9},
      {5, 2, 3, -2, 1, 1, 1, 0, -10 - 9},
      // Beaten now and at the river: no base; many raises lift a hopeless score.
      {5, 2, 0, 3, 1, 1, 1, 0, -9},
      {5, 2, 0, 3, 1, 1, 1, 2, -9 + 50},
      {5, 2, 3, 0, 1, 1, 1, 3, 50 - 9 + 25},
      // The turn and river add 25; the Omaha flop holds seven cards too.
      {6, 2, 3, 0, 1, 1, 1, 0, 50 - 9 + 25},
      {7, 4, 3, 0, 1, 1, 1, 0, 50 - 9},
      // River: half the improvement, rounded toward zero; bets lift the score.
      {7, 2, 3, 3, 1, 1, 1, 0, 80 - 11 + 25},
      {7, 2, 3, -3, 1, 1, 1, 0, 20 - 11 + 25},
      {7, 2, 3, -3, 1, 1, 1, 1, 20 - 11 + 50 + 25},
      {7, 2, 0, 0, 1, 1, 1, 0, -11 + 25},
      {7, 2, 0, 0, 1, 1, 1, 2, -11 + 75 + 25},
  };
  for (const auto& c : cases) {
    ScoreSituation s = Situation(c.cards, c.outlook, 50, c.hole);
    s.strength.improvement = c.improvement;
    s.strength.liveOthers = c.live;
    s.strength.seatedOthers = c.seated;
    s.strength.callRatio = c.callRatio;
    s.raises = c.raises;
    EXPECT_EQ(StreetScore(s), c.score) << "row with score " << c.score;
  }
}

TEST(KindAdjustment, EachKindOnChosenHands) {
  const struct {
    uint32_t kind;
    int cards, hole, outlook, live, foldDelta, raises, in, out;
  } cases[] = {
      {KindSmart, 5, 2, 1, 5, 0, 0, 40, 40 + 25 + 50 - 25},  // outlook 1 after the flop
      {KindSmart, 5, 2, 3, 2, -7, 0, -60, -60 + 50 + 25 + 25 - 7},
      {KindSmart, 2, 2, 1, 1, 3, 0, 10, 10 + 25 + 3},  // pre-flop: no post-flop rule
      {KindSmart, 6, 2, 0, 1, 0, 0, 80, 80 - 25 - 25 + 25},
      {KindSmart, 7, 2, 2, 3, 0, 0, 100, 100 + 12 - 25 + 25},
      {KindSmart, 7, 2, 2, 4, 0, 0, 100, 100 + 12 - 25},   // too many for the last bonus
      {KindTight, 7, 2, 3, 2, -5, 0, 60, 60 + 25 - 10},    // river against two; 2 x delta
      {KindTight, 7, 2, 3, 2, -5, 0, 150, 150 - 50 - 10},  // too confident
      {KindTight, 5, 2, 1, 2, 4, 0, 150, 150 - 25 - 50},   // folding more changes nothing
      {KindTight, 5, 2, 1, 2, 4, 0, 100, 100 - 25},        // 75 is not above 75
      {KindTight, 2, 2, 0, 1, -10, 0, 90, 90 - 25 - 20},
      {KindLoose, 2, 2, 2, 1, 5, 0, 45, 45 + 10 + 50 + 10},
      {KindLoose, 5, 2, 0, 3, -4, 0, 20, 20 + 25 - 4},
      {KindLoose, 5, 2, 1, 1, 0, 0, 0, 0 + 50 + 50},  // 100 is past the few-opponents bonus
      {KindParanoid, 5, 2, 3, 3, -2, 2, 100, 100 - 20 - 18 - 2 + 15 - 20},
      {KindParanoid, 5, 2, 3, 1, 0, 0, 100, 100 - 6 + 15},
      // Bluffing counts cards: 2 is the Texas pre-flop, 7 the Texas river or the Omaha flop.
      {KindBluffing, 2, 2, 2, 2, 0, 0, 30, 30 + 10 + 25 - 20},
      {KindBluffing, 7, 2, 3, 2, 3, 0, 20, 20 + 50 + 100 - 20 + 30},
      {KindBluffing, 7, 4, 0, 1, 0, 0, 10, 10 + 100 - 10},
      {KindBluffing, 9, 4, 0, 3, -1, 0, 30, 30 + 100 - 30 - 1},
      {KindBluffing, 9, 4, 0, 3, -1, 0, -5, -5 - 30 - 1},  // nothing to bluff with
  };
  for (const auto& c : cases) {
    ScoreSituation s = Situation(c.cards, c.outlook, 50, c.hole);
    s.kind = c.kind;
    s.strength.liveOthers = c.live;
    s.strength.foldDelta = c.foldDelta;
    s.raises = c.raises;
    Rng rng(7);
    EXPECT_EQ(AdjustForKind(s, c.in, rng), c.out) << "kind " << c.kind << " from " << c.in;
  }

  // Stupid and Erratic seats add a second draw.
  ScoreSituation s = Situation(5, 1, 50);
  s.strength.foldDelta = 2;
  Rng rng(99);
  Rng copy = rng;
  s.kind = KindStupid;
  EXPECT_EQ(AdjustForKind(s, 30, rng), 30 + 40 + static_cast<int>(Random(copy, 100)));
  s.kind = KindErratic;
  EXPECT_EQ(AdjustForKind(s, 10, rng), 10 + static_cast<int>(Random(copy, 100)) + 2 - 50);
  EXPECT_EQ(rng.State(), copy.State());
}

TEST(ScoreToAction, AggressionRaiseTiersAndLimits) {
  const BetLimitsResult wide{false, 2, 9}, narrow{false, 2, 8};
  EXPECT_EQ(AggressionBonus(75, 96, wide), 8 * 25);
  EXPECT_EQ(AggressionBonus(75, 81, wide), 5 * 25);
  EXPECT_EQ(AggressionBonus(75, 61, wide), 25);
  EXPECT_EQ(AggressionBonus(75, 60, wide), 0);
  EXPECT_EQ(AggressionBonus(74, 99, wide), 0);
  EXPECT_EQ(AggressionBonus(200, 99, narrow), 0);  // not more than four times the minimum

  const int tiers[][2] = {{-50, 0},  {74, 0},   {75, 1},   {99, 1},    {100, 2},
                          {124, 2},  {125, 4},  {150, 6},  {175, 8},   {200, 10},
                          {225, 25}, {250, 50}, {299, 50}, {300, 100}, {900, 100}};
  for (auto [score, units] : tiers) EXPECT_EQ(RaiseForScore(score, 3), 3u * units) << score;

  const BetLimitsResult limits{false, 4, 40};
  EXPECT_EQ(DecisionFromScore(0, 6, 0, limits), kDecisionFold);
  EXPECT_EQ(DecisionFromScore(-30, 6, 20, limits), kDecisionFold);
  EXPECT_EQ(DecisionFromScore(-30, 0, 0, limits), kDecisionCall);  // nothing to call: check
  EXPECT_EQ(DecisionFromScore(60, 6, 0, limits), kDecisionCall);
  EXPECT_EQ(DecisionFromScore(120, 6, 20, limits), 20);
  EXPECT_EQ(DecisionFromScore(300, 6, 400, limits), 40);  // cut to the maximum
  EXPECT_EQ(DecisionFromScore(80, 6, 2, limits), 4);      // lifted to the minimum
  // Pot limit with a pot below the minimum: the maximum rules.
  EXPECT_EQ(DecisionFromScore(120, 0, 4, BetLimitsResult{false, 10, 6}), 6);
  EXPECT_EQ(DecisionFromScore(300, 6, 400, BetLimitsResult{}), kDecisionCall);  // capped
}

TEST(ComputerDecision, NoRaiseWhenNobodyElseHasChips) {
  TableSetup setup = TableSetup().Seat(1, 200, KindLoose).Seat(2, 0, KindTight);
  setup.Hole(1, "As Ad").Hole(2, "7c 2d").Board("Ah 8s Jd Qc 5h").Structure(StructureNoLimit);
  TableRecord table = setup.Dealt(5, 4).Build();
  table.players[2].inPot = 50;  // all in
  TableRecord withChips = table;
  withChips.players[2].chips = 100;
  int raisesWithChipsLeft = 0;
  for (uint64_t seed = 0; seed < 200; ++seed) {
    Rng rng(seed);
    EXPECT_LE(ComputerDecision(table, 1, 46, rng), kDecisionCall) << "seed " << seed;
    Rng same(seed);
    if (ComputerDecision(withChips, 1, 46, same) > 0) ++raisesWithChipsLeft;
  }
  EXPECT_GT(raisesWithChipsLeft, 50);  // the same hand raises when someone can answer
}

TEST(ComputerDecision, InactiveOrUnknownSeatCallsWithoutDrawing) {
  TableRecord table = SmartPreFlop(StructureFixed);
  Rng rng(4);
  const uint64_t before = rng.State();
  for (int seat : {5, -1, 10}) EXPECT_EQ(ComputerDecision(table, seat, 10, rng), kDecisionCall);
  EXPECT_EQ(rng.State(), before);
}

// A random moment of a hand: kinds, stacks, stakes, street, structure and limits.
struct Spot {
  TableRecord table;
  int seat;
  uint32_t call;
};

Spot RandomSpot(Rng& rng) {
  TableSetup setup;
  if (Random(rng, 2) == 1) setup.Omaha();
  const int seated = 2 + static_cast<int>(Random(rng, 9));
  for (int seat = 0; seat < seated; ++seat) {
    setup.Seat(seat, Random(rng, 4) == 0 ? 0 : Random(rng, 600), KindSmart + Random(rng, 7));
  }
  setup.Structure(Random(rng, kStructureCount)).BaseBet(1 + Random(rng, 25));
  TableRecord table = setup.Level(Random(rng, 4)).Cap(Random(rng, 5)).Build();
  NewHand(table, rng);  // a shuffled deck
  const int streets[] = {0, 3, 4, 5};
  const int cards = table.holeCards + streets[Random(rng, 4)];
  table.cardsDealt = static_cast<uint8_t>(cards);
  table.raisesThisRound = static_cast<uint8_t>(Random(rng, 5));
  for (int street = 0; street < 4; ++street) {
    table.customMin[street] = Random(rng, 20);
    table.customMax[street] = table.customMin[street] + Random(rng, 60);
  }
  for (int seat = 0; seat < seated; ++seat) {
    PlayerRecord& p = table.players[seat];
    p.status = Random(rng, 5) == 0 ? StatusFolded : StatusToAct;
    p.inPot = Random(rng, 300);
    p.cardsSeen = static_cast<uint8_t>(cards);
    p.handsPlayed = static_cast<uint16_t>(Random(rng, 60));
    p.folds = static_cast<uint16_t>(p.handsPlayed == 0 ? 0 : Random(rng, p.handsPlayed + 1u));
  }
  if (Random(rng, 3) == 0) table.players[seated - 1].kind = KindHuman;  // fold rates to compare
  Spot spot{table, static_cast<int>(Random(rng, static_cast<uint32_t>(seated))), 0};
  PlayerRecord& self = spot.table.players[spot.seat];
  self.kind = KindSmart + Random(rng, 7);
  self.status = StatusToAct;
  spot.call = Random(rng, 3) == 0 ? 0 : std::min<uint32_t>(self.chips, Random(rng, 200));
  return spot;
}

TEST(ComputerDecision, AtRandomSpotsRaisesStayWithinLimitsAndNoCheckIsFolded) {
  Rng spots(2024);
  int raisesSeen = 0;
  for (int i = 0; i < 20000; ++i) {
    const Spot spot = RandomSpot(spots);
    const uint32_t kind = spot.table.players[spot.seat].kind;
    Rng rng(static_cast<uint64_t>(i));
    Rng expected = rng;
    int32_t decision = ComputerDecision(spot.table, spot.seat, spot.call, rng);
    // One draw for the estimate; Stupid and Erratic seats draw a second.
    expected.Next();
    if (kind == KindStupid || kind == KindErratic) expected.Next();
    ASSERT_EQ(rng.State(), expected.State()) << "spot " << i;
    ASSERT_GE(decision, kDecisionFold);
    if (decision > 0) {
      ++raisesSeen;
      BetLimitsResult limits = BetLimits(spot.table, spot.seat, spot.call);
      // A pot smaller than the minimum bet leaves the maximum as the one amount.
      if (limits.min <= limits.max) {
        ASSERT_GE(uint32_t(decision), limits.min) << "spot " << i;
      }
      ASSERT_LE(uint32_t(decision), limits.max) << "spot " << i;
    }
    Rng again(static_cast<uint64_t>(i));
    ASSERT_NE(ComputerDecision(spot.table, spot.seat, 0, again), kDecisionFold) << "spot " << i;
  }
  EXPECT_GT(raisesSeen, 1000);  // the property was really exercised
}

}  // namespace
}  // namespace qf
