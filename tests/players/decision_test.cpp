// ComputerDecision on whole tables: the worked example, the limits, and the
// rules every kind keeps.
#include "players/decision.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "engine/betting.h"
#include "table_builder.h"

namespace qf {
namespace {

using testing::TableBuilder;

// A seed whose first draw modulo 100 is r.
uint64_t SeedForFirstDraw(int r) {
  for (uint64_t seed = 0;; ++seed) {
    Rng rng(seed);
    if (static_cast<int>(Random(rng, 100)) == r) return seed;
  }
}

TableRecord SmartPreFlop(uint8_t structure, uint32_t progressiveLevel = 1) {
  // Seat 1 holds aces and stays best at the river; seat 2 is its one opponent.
  TableRecord table = TableBuilder()
                          .Seat(1, KindSmart, {"As", "Ad"}, 200, 4)
                          .Seat(2, KindTight, {"7c", "2d"}, 200, 4)
                          .Board({"3h", "8s", "Jd", "Qc", "5h"})
                          .CardsSeen(2)
                          .Build();
  table.betStructure = structure;
  table.progressiveLevel = progressiveLevel;
  return table;
}

TEST(ComputerDecision, SmartPreFlopWorkedExample) {
  // Score 121: a raise of 2 x unit, then cut to the maximum and lifted to the minimum.
  Rng fixed(SeedForFirstDraw(50));
  EXPECT_EQ(ComputerDecision(SmartPreFlop(StructureFixed), 1, 0, fixed), 2);

  Rng noLimit(SeedForFirstDraw(50));
  EXPECT_EQ(ComputerDecision(SmartPreFlop(StructureNoLimit), 1, 0, noLimit), 4);

  Rng progressive(SeedForFirstDraw(50));  // unit 3 x 2: a raise of 12
  EXPECT_EQ(ComputerDecision(SmartPreFlop(StructureNoLimit, 3), 1, 0, progressive), 12);

  TableRecord capped = SmartPreFlop(StructureNoLimit);
  capped.raiseCap = 2;
  capped.raisesThisRound = 2;  // the cap is reached: call only
  Rng cappedRng(SeedForFirstDraw(50));
  EXPECT_EQ(ComputerDecision(capped, 1, 0, cappedRng), kDecisionCall);
}

TEST(ComputerDecision, AggressionBonusRaisesMoreWithRoom) {
  // r 96 swings +25 (146 after the Smart bonus), then +200 of aggression:
  // 346 reaches the top tier of 100 units, cut to the seat's chips.
  Rng rng(SeedForFirstDraw(96));
  EXPECT_EQ(ComputerDecision(SmartPreFlop(StructureNoLimit), 1, 0, rng), 200);
  Rng fixed(SeedForFirstDraw(96));  // min == max: no bonus, the fixed bet
  EXPECT_EQ(ComputerDecision(SmartPreFlop(StructureFixed), 1, 0, fixed), 2);
}

TEST(ComputerDecision, InactiveOrUnknownSeatCallsWithoutDrawing) {
  TableRecord table = SmartPreFlop(StructureFixed);
  Rng rng(4);
  uint64_t before = rng.State();
  EXPECT_EQ(ComputerDecision(table, 5, 10, rng), kDecisionCall);  // inactive
  EXPECT_EQ(ComputerDecision(table, -1, 10, rng), kDecisionCall);
  EXPECT_EQ(ComputerDecision(table, 10, 10, rng), kDecisionCall);
  EXPECT_EQ(rng.State(), before);
}

TEST(ComputerDecision, NoRaiseWhenNobodyElseHasChips) {
  // Seat 1 is strong, but its only opponent is all in.
  TableRecord table = TableBuilder()
                          .Seat(1, KindLoose, {"As", "Ad"}, 200, 4)
                          .Seat(2, KindTight, {"7c", "2d"}, 0, 50)
                          .Board({"Ah", "8s", "Jd", "Qc", "5h"})
                          .CardsSeen(5)
                          .Build();
  table.betStructure = StructureNoLimit;
  int raisesWithChipsLeft = 0;
  for (uint64_t seed = 0; seed < 200; ++seed) {
    Rng rng(seed);
    EXPECT_LE(ComputerDecision(table, 1, 46, rng), kDecisionCall) << "seed " << seed;
    TableRecord withChips = table;
    withChips.players[2].chips = 100;
    Rng same(seed);
    if (ComputerDecision(withChips, 1, 46, same) > 0) ++raisesWithChipsLeft;
  }
  EXPECT_GT(raisesWithChipsLeft, 50);  // the same hand raises when someone can answer
}

// --- Properties over random tables -----------------------------------------------

// A table in the middle of a hand: random kinds, stakes, street and structure.
struct RandomSpot {
  TableRecord table;
  int seat = 0;
  uint32_t call = 0;
};

RandomSpot MakeRandomSpot(Rng& rng) {
  bool omaha = Random(rng, 2) == 1;
  TableBuilder builder(omaha ? kOmahaHoleCards : kTexasHoleCards);
  RandomSpot spot;
  TableRecord table = builder.Build();
  // Shuffle a fresh deck into the record.
  for (int i = 0; i < kDeckSize; ++i) table.deck[i] = static_cast<uint8_t>(i + 1);
  for (int i = kDeckSize - 1; i > 0; --i) {
    int j = static_cast<int>(Random(rng, static_cast<uint32_t>(i + 1)));
    std::swap(table.deck[i], table.deck[j]);
  }
  static constexpr int kStreets[] = {0, 3, 4, 5};
  int cardsSeen = table.holeCards + kStreets[Random(rng, 4)];
  table.cardsDealt = static_cast<uint8_t>(cardsSeen);
  table.betStructure = static_cast<uint8_t>(Random(rng, kStructureCount));
  table.baseBet = 1 + Random(rng, 25);
  table.progressiveLevel = Random(rng, 4);
  table.raiseCap = static_cast<uint8_t>(Random(rng, 5));
  table.raisesThisRound = static_cast<uint8_t>(Random(rng, 5));
  for (int street = 0; street < 4; ++street) {
    table.customMin[street] = Random(rng, 20);
    table.customMax[street] = table.customMin[street] + Random(rng, 60);
  }
  int seated = 2 + static_cast<int>(Random(rng, 9));
  for (int seat = 0; seat < seated; ++seat) {
    PlayerRecord& p = table.players[seat];
    p.kind = KindSmart + Random(rng, 7);
    p.tableKind = p.kind;
    p.status = Random(rng, 5) == 0 ? StatusFolded : StatusToAct;
    p.chips = Random(rng, 4) == 0 ? 0 : Random(rng, 600);
    p.inPot = Random(rng, 300);
    p.cardsSeen = static_cast<uint8_t>(cardsSeen);
    p.handsPlayed = static_cast<uint16_t>(Random(rng, 60));
    p.folds = static_cast<uint16_t>(p.handsPlayed == 0 ? 0 : Random(rng, p.handsPlayed + 1u));
  }
  if (Random(rng, 3) == 0) {
    table.players[seated - 1].kind = KindHuman;  // gives the fold rates a reference
  }
  spot.seat = static_cast<int>(Random(rng, static_cast<uint32_t>(seated)));
  PlayerRecord& self = table.players[spot.seat];
  self.kind = KindSmart + Random(rng, 7);
  self.status = StatusToAct;
  spot.call = Random(rng, 3) == 0 ? 0 : std::min<uint32_t>(self.chips, Random(rng, 200));
  spot.table = table;
  return spot;
}

TEST(ComputerDecisionProperties, RaisesStayWithinBetLimits) {
  Rng tables(2024);
  int raisesSeen = 0;
  for (int i = 0; i < 20000; ++i) {
    RandomSpot spot = MakeRandomSpot(tables);
    Rng rng(static_cast<uint64_t>(i));
    int32_t decision = ComputerDecision(spot.table, spot.seat, spot.call, rng);
    ASSERT_GE(decision, kDecisionFold);
    if (decision <= 0) continue;
    ++raisesSeen;
    BetLimitsResult limits = BetLimits(spot.table, spot.seat, spot.call);
    // A pot smaller than the minimum bet leaves no amount between the two:
    // the maximum then rules.
    if (limits.min <= limits.max) {
      ASSERT_GE(static_cast<uint32_t>(decision), limits.min) << "spot " << i;
    }
    ASSERT_LE(static_cast<uint32_t>(decision), limits.max) << "spot " << i;
  }
  EXPECT_GT(raisesSeen, 1000);  // the property was really exercised
}

TEST(ComputerDecision, PotSmallerThanTheMinimumBetKeepsToThePot) {
  // Pot limit with base bet 10 and 6 in the pot: min 10, max 6.
  TableRecord table = TableBuilder()
                          .Seat(1, KindLoose, {"As", "Ad"}, 200, 3)
                          .Seat(2, KindTight, {"7c", "2d"}, 200, 3)
                          .Board({"Ah", "8s", "Jd", "Qc", "5h"})
                          .CardsSeen(5)
                          .Build();
  table.betStructure = StructurePotLimit;
  table.baseBet = 10;
  int raises = 0;
  for (uint64_t seed = 0; seed < 100; ++seed) {
    Rng rng(seed);
    int32_t decision = ComputerDecision(table, 1, 0, rng);
    ASSERT_LE(decision, 6) << "seed " << seed;
    if (decision > 0) ++raises;
  }
  EXPECT_GT(raises, 0);
}

TEST(ComputerDecisionProperties, NothingToCallNeverFolds) {
  Rng tables(77);
  for (int i = 0; i < 20000; ++i) {
    RandomSpot spot = MakeRandomSpot(tables);
    Rng rng(static_cast<uint64_t>(i));
    ASSERT_NE(ComputerDecision(spot.table, spot.seat, 0, rng), kDecisionFold) << "spot " << i;
  }
}

TEST(ComputerDecisionProperties, ReadsTheTableWithoutChangingIt) {
  Rng tables(5);
  for (int i = 0; i < 2000; ++i) {
    RandomSpot spot = MakeRandomSpot(tables);
    TableRecord before = spot.table;
    Rng rng(static_cast<uint64_t>(i));
    ComputerDecision(spot.table, spot.seat, spot.call, rng);
    ASSERT_EQ(std::memcmp(&before, &spot.table, sizeof before), 0) << "spot " << i;
  }
}

TEST(ComputerDecisionProperties, OnlyStupidAndErraticDrawTwice) {
  Rng tables(9);
  for (int i = 0; i < 2000; ++i) {
    RandomSpot spot = MakeRandomSpot(tables);
    Rng rng(static_cast<uint64_t>(i));
    Rng expected = rng;
    ComputerDecision(spot.table, spot.seat, spot.call, rng);
    uint32_t kind = spot.table.players[spot.seat].kind;
    expected.Next();
    if (kind == KindStupid || kind == KindErratic) expected.Next();
    ASSERT_EQ(rng.State(), expected.State()) << "kind " << kind;
  }
}

}  // namespace
}  // namespace qf
