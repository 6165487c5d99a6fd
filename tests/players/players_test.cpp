// A computer seat's decision: what it reads from the table, the scoring
// steps with chosen inputs, and ComputerDecision on whole tables.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/table_setup.h"
#include "players/decision.h"
#include "players/decision_score.h"
#include "players/hand_strength_parts.h"

namespace qf {
namespace {

using test::TableSetup;

WinnerList List(std::initializer_list<int> seats) {
  WinnerList list;
  for (int s : seats) list.seats[list.count++] = static_cast<uint8_t>(s);
  return list;
}

// Real tables are checked against these lists at the random spots below;
// here the rule for ties: only the last entry of the winners now counts, and
// an entry the river list does not have counts as another seat.
TEST(HandStrength, OutlookListsAndFoldDelta) {
  const struct {
    WinnerList now, river;
    int seat, outlook;
  } lists[] = {{List({}), List({4}), 4, 0},        {List({1, 3}), List({1, 3}), 3, 3},
               {List({1, 3}), List({1, 3}), 1, 0}, {List({1, 3}), List({3}), 3, 1},
               {List({1, 3}), List({5, 3}), 3, 3}, {List({1}), List({3}), 3, 2}};
  for (const auto& c : lists) EXPECT_EQ(OutlookFromLists(c.now, c.river, c.seat), c.outlook);

  // Own fold rate minus the humans' average, after twenty hands.
  TableSetup setup = TableSetup().Seat(0, 200, KindHuman).Seat(1, 200, KindHiddenHuman);
  TableRecord table = setup.Seat(2, 200, KindStupid).Seat(4, 200).Dealt(2).Build();
  const auto played = [&table](int seat, uint16_t hands, uint16_t folds) {
    table.players[seat].handsPlayed = hands;
    table.players[seat].folds = folds;
  };
  played(0, 3, 1);    // 33%
  played(1, 4, 3);    // 75%
  played(2, 50, 50);  // a computer: not counted
  played(4, 40, 30);  // 75%
  EXPECT_EQ(FoldDelta(table, 4), 75 - (33 + 75) / 2);
  played(4, 19, 19);
  EXPECT_EQ(FoldDelta(table, 4), 0);  // only 19 hands played
  played(4, 20, 4);
  played(1, 0, 0);
  EXPECT_EQ(FoldDelta(table, 4), 20 - 33);
  played(0, 0, 0);
  EXPECT_EQ(FoldDelta(table, 4), 0);  // no human has played yet
}

// Rules at their edges: the raise tiers, the aggression bonus, the Tight seat's river
// bonus. The rest of the scoring is held by the random spots below (raises within the
// limits, the maximum where they cross, no check folded) and the benchmark's signature.
TEST(DecisionScore, RulesAtTheirEdges) {
  EXPECT_EQ(RaiseForScore(74, 3) + RaiseForScore(75, 3) + RaiseForScore(300, 3), 3u + 300u);
  const BetLimitsResult wide{false, 2, 9}, narrow{false, 2, 8};
  EXPECT_EQ(AggressionBonus(75, 96, wide), 8 * 25);  // +25 for each of r > 60, 65, ..., 95
  EXPECT_EQ(AggressionBonus(74, 99, wide) + AggressionBonus(200, 99, narrow), 0);
  // A Tight seat on the river against two: +25 for a middling score, twice its fold delta.
  const ScoreSituation tight{{3, 0, -5, 2}, KindTight, 7};
  Rng rng(7);
  EXPECT_EQ(AdjustForKind(tight, 60, rng), 60 + 25 - 10);
}

// An inactive or unknown seat calls without drawing.
TEST(ComputerDecision, InactiveOrUnknownSeatCallsWithoutDrawing) {
  const TableRecord table = TableSetup().Seat(1, 200).Seat(2, 200).Dealt(2).Build();
  Rng rng(4);
  const uint64_t before = rng.State();
  for (int seat : {5, -1, 10}) EXPECT_EQ(ComputerDecision(table, seat, 10, rng), kDecisionCall);
  EXPECT_EQ(rng.State(), before);
}

// A random moment of a hand at a random table: a seat to act with its call.
struct Spot {
  TableRecord table;
  int seat;
  uint32_t call;
};

Spot RandomSpot(Rng& rng) {
  Spot spot{test::RandomTable(rng), -1, 0};
  TableRecord& table = spot.table;
  NewHand(table, rng);  // a shuffled deck
  const int streets[] = {0, 3, 4, 5};
  table.cardsDealt = static_cast<uint8_t>(table.holeCards + streets[Random(rng, 4)]);
  table.raisesThisRound = static_cast<uint8_t>(Random(rng, 5));
  for (PlayerRecord& p : table.players) {
    if (p.kind == KindInactive) continue;
    if (spot.seat < 0 || Random(rng, 3) == 0) spot.seat = static_cast<int>(&p - table.players);
    p.status = Random(rng, 5) == 0 ? StatusFolded : StatusToAct;
    p.inPot = Random(rng, 300);
    p.cardsSeen = table.cardsDealt;
    p.handsPlayed = static_cast<uint16_t>(Random(rng, 60));
    p.folds = static_cast<uint16_t>(Random(rng, p.handsPlayed + 1u));
    if (Random(rng, 8) == 0) p.kind = KindHuman;  // fold rates to compare
  }
  PlayerRecord& self = table.players[spot.seat];
  self.kind = KindSmart + Random(rng, 7);
  self.status = StatusToAct;
  spot.call = Random(rng, 3) == 0 ? 0 : std::min<uint32_t>(self.chips, Random(rng, 200));
  return spot;
}

// At random spots: the outlook is what the lists of winners now and at the
// river say, raises stay within the limits, a check is never folded, and the
// seat draws once (Stupid and Erratic seats twice).
TEST(ComputerDecision, AtRandomSpots) {
  Rng spots(2024);
  int raisesSeen = 0;
  for (int i = 0; i < 20000; ++i) {
    const Spot spot = RandomSpot(spots);
    const TableRecord& table = spot.table;
    for (int seat = 0; seat < kSeatCount; ++seat) {
      ASSERT_EQ(Outlook(table, seat),
                OutlookFromLists(FindWinners(table, false), FindWinners(table, true), seat))
          << "spot " << i << " seat " << seat;
    }
    const uint32_t kind = table.players[spot.seat].kind;
    Rng rng(static_cast<uint64_t>(i)), expected(static_cast<uint64_t>(i));
    const int32_t decision = ComputerDecision(table, spot.seat, spot.call, rng);
    expected.Next();
    if (kind == KindStupid || kind == KindErratic) expected.Next();
    ASSERT_EQ(rng.State(), expected.State()) << "spot " << i;
    ASSERT_GE(decision, kDecisionFold);
    if (decision > 0) {
      ++raisesSeen;
      const BetLimitsResult limits = BetLimits(table, spot.seat, spot.call);
      // A pot smaller than the minimum bet leaves the maximum as the one amount.
      ASSERT_GE(uint32_t(decision), std::min(limits.min, limits.max)) << "spot " << i;
      ASSERT_LE(uint32_t(decision), limits.max) << "spot " << i;
    }
    Rng again(static_cast<uint64_t>(i));
    ASSERT_NE(ComputerDecision(table, spot.seat, 0, again), kDecisionFold) << "spot " << i;
  }
  EXPECT_GT(raisesSeen, 1000);  // the property was really exercised
}

}  // namespace
}  // namespace qf
