#include "engine/betting.h"

#include <gtest/gtest.h>

#include <vector>

#include "table_setup.h"

namespace qf {
namespace {

using test::TableSetup;

struct Posted {
  int seat;
  uint32_t amount;
  bool operator==(const Posted&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Posted& p) {
  return out << "seat " << p.seat << " posts " << p.amount;
}

// Collects the forced bets of a started table, posting each as the game does.
std::vector<Posted> PostAll(TableRecord& table) {
  std::vector<Posted> posted;
  for (Turn turn = NextTurn(table); turn.code == TurnForcedBet; turn = NextTurn(table)) {
    posted.push_back({turn.seat, turn.amount});
    test::PostForcedBet(table, turn.seat);
  }
  return posted;
}

TEST(ForcedBets, BlindsFollowTheDealerAndScaleWithTheLevel) {
  TableSetup setup = TableSetup().Seat(1, 500).Seat(4, 500).Seat(6, 500).Dealer(4).BaseBet(5);
  TableRecord fixed = setup.Started();
  EXPECT_EQ(PostAll(fixed), (std::vector<Posted>{{6, 2}, {1, 5}}));
  EXPECT_EQ(fixed.players[6].lastAction, ActionForcedBet);
  EXPECT_EQ(fixed.players[1].lastAction, ActionForcedBet);
  EXPECT_EQ(fixed.players[6].status, StatusToAct);  // blinds still act
  EXPECT_EQ(fixed.players[1].calls + fixed.players[1].checks + fixed.players[1].raises, 0);
  EXPECT_EQ(NextTurn(fixed).code, TurnDeal);

  TableRecord third = setup.Level(3).Started();
  EXPECT_EQ(PostAll(third), (std::vector<Posted>{{6, 7}, {1, 15}}));
}

TEST(ForcedBets, EverySeatAntesAndAShortStackAntesWhatItHas) {
  TableRecord table = TableSetup()
                          .Seat(0, 500)
                          .Seat(2, 12)
                          .Seat(5, 500)
                          .Dealer(0)
                          .BaseBet(10)
                          .Level(2)
                          .Antes()
                          .Started();
  EXPECT_EQ(PostAll(table), (std::vector<Posted>{{2, 20}, {5, 20}, {0, 20}}));
  EXPECT_EQ(table.players[2].inPot, 12u);
  EXPECT_EQ(table.players[2].chips, 0u);
  EXPECT_EQ(table.players[0].inPot, 20u);
  EXPECT_EQ(table.players[0].chips, 480u);
}

TEST(ForcedBets, ASeatWithoutChipsIsPassedOverByTheBlinds) {
  // Seat 1 kept its place at the table with no chips: seats 2 and 3 post.
  TableRecord table = TableSetup().Seat(0, 100).Seat(1, 0).Seat(2, 100).Seat(3, 100).Started();
  EXPECT_EQ(PostAll(table), (std::vector<Posted>{{2, 1}, {3, 2}}));

  // A small blind that puts its last chip in still counts as posted.
  TableRecord shortBlind = TableSetup().Seat(0, 100).Seat(1, 1).Seat(2, 100).Seat(3, 100).Started();
  EXPECT_EQ(PostAll(shortBlind), (std::vector<Posted>{{1, 1}, {2, 2}}));
}

TEST(ForcedBets, NothingIsForcedWhenTheStakeIsZero) {
  TableRecord antes = TableSetup().Seat(0, 100).Seat(1, 100).BaseBet(0).Antes().Started();
  EXPECT_EQ(NextTurn(antes).code, TurnDeal);
  TableRecord blinds = TableSetup().Seat(0, 100).Seat(1, 100).BaseBet(0).Started();
  EXPECT_EQ(NextTurn(blinds).code, TurnDeal);
}

struct LimitCase {
  uint8_t structure;
  int street;  // cards beyond the hole cards: 0 pre-flop, 3 flop, 4 turn, 5 river
  uint32_t min;
  uint32_t max;
};

TEST(BetLimits, EachStructureOnEachStreet) {
  const uint32_t b = 2;
  const std::vector<LimitCase> cases = {
      {0, 0, b, b},     {0, 3, b, b},     {0, 4, 2 * b, 2 * b}, {0, 5, 2 * b, 2 * b},
      {1, 0, b, b},     {1, 3, b, b},     {1, 4, 2 * b, 2 * b}, {1, 5, 2 * b, 4 * b},
      {2, 0, b, 2 * b}, {2, 3, b, 2 * b}, {2, 4, b, 2 * b},     {2, 5, b, 2 * b},
      {3, 0, b, 2 * b}, {3, 3, b, 2 * b}, {3, 4, b, 4 * b},     {3, 5, b, 8 * b},
      {4, 0, b, 2 * b}, {4, 3, b, 2 * b}, {4, 4, b, 4 * b},     {4, 5, b, 2 * b},
      {5, 0, b, 60},    {5, 5, b, 60},    {6, 0, b, 1000},      {6, 4, b, 1000},
      {7, 0, 1, 2},     {7, 3, 3, 4},     {7, 4, 5, 6},         {7, 5, 7, 8},
  };
  for (bool omaha : {false, true}) {
    for (const LimitCase& c : cases) {
      SCOPED_TRACE(testing::Message() << "structure " << int(c.structure) << " street " << c.street
                                      << (omaha ? " omaha" : " texas"));
      TableSetup setup = TableSetup().Seat(0, 1000).Seat(1, 1000).Structure(c.structure);
      if (omaha) setup.Omaha();
      TableRecord table = setup.Build();
      const uint32_t customMin[4] = {1, 3, 5, 7}, customMax[4] = {2, 4, 6, 8};
      std::copy(customMin, customMin + 4, table.customMin);
      std::copy(customMax, customMax + 4, table.customMax);
      for (int seat : {0, 1}) {
        table.players[seat].cardsSeen = static_cast<uint8_t>(table.holeCards + c.street);
        table.players[seat].inPot = 30;
      }
      BetLimitsResult limits = BetLimits(table, 0, 0);
      EXPECT_FALSE(limits.forced);
      EXPECT_EQ(limits.min, c.min);
      EXPECT_EQ(limits.max, c.max);
    }
  }
}

TEST(BetLimits, StakesScaleWithTheLevelExceptTheCustomTable) {
  TableRecord table = TableSetup().Seat(0, 1000).Seat(1, 1000).Structure(3).Level(3).Build();
  table.players[0].cardsSeen = 7;
  table.players[0].inPot = 10;
  BetLimitsResult limits = BetLimits(table, 0, 0);
  EXPECT_EQ(limits.min, 6u);
  EXPECT_EQ(limits.max, 48u);

  table.betStructure = StructureCustom;
  EXPECT_EQ(BetLimits(table, 0, 0).max, 4u);  // customMax[3] of the defaults
}

TEST(BetLimits, MaximaAreCutToTheChipsLeftAfterCalling) {
  // Structure 4 on the turn: 4b, but only 9 chips remain after the call.
  TableRecord table = TableSetup().Seat(0, 29).Seat(1, 1000).Structure(4).BaseBet(5).Build();
  table.players[0].cardsSeen = 6;
  table.players[0].inPot = 20;
  BetLimitsResult limits = BetLimits(table, 0, 20);
  EXPECT_EQ(limits.min, 5u);
  EXPECT_EQ(limits.max, 9u);

  // Pot limit with 30 in the pot and 25 chips left after calling.
  table.betStructure = StructurePotLimit;
  table.players[0].chips = 35;
  table.players[1].inPot = 10;
  EXPECT_EQ(BetLimits(table, 0, 10).max, 25u);

  // A stack that cannot cover the call may not raise at all.
  table.players[0].chips = 30;
  limits = BetLimits(table, 0, 50);
  EXPECT_EQ(limits.min, 0u);
  EXPECT_EQ(limits.max, 0u);

  // No chips, or an inactive seat: nothing to bet.
  table.players[0].chips = 0;
  EXPECT_EQ(BetLimits(table, 0, 0).max, 0u);
  table.players[0].chips = 100;
  table.players[0].kind = KindInactive;
  EXPECT_EQ(BetLimits(table, 0, 0).max, 0u);
}

TEST(Betting, RaiseCapCountsTheOpeningBetAndLabelsBetThenRaise) {
  for (uint8_t cap : {0, 1, 4}) {
    SCOPED_TRACE(testing::Message() << "cap " << int(cap));
    TableRecord table = TableSetup().Seat(0, 1000).Seat(1, 1000).Cap(cap).Started();
    Turn turn = test::RunToDecision(table);
    int made = 0;
    while (made < 12) {
      BetLimitsResult limits = BetLimits(table, turn.seat, turn.amount);
      if (limits.max == 0) break;
      ApplyAction(table, turn.seat, turn.amount, limits.min);
      ++made;
      EXPECT_EQ(table.players[turn.seat].lastAction, made == 1 ? ActionBet : ActionRaise);
      EXPECT_EQ(table.players[turn.seat].status, StatusLastBettor);
      turn = NextTurn(table);
      ASSERT_EQ(turn.code, TurnAct);
      EXPECT_EQ(turn.amount, 2u);  // fixed limit: each raise is one base bet
    }
    EXPECT_EQ(made, cap == 0 ? 12 : cap);
    EXPECT_EQ(table.raisesThisRound, made);
    EXPECT_EQ(table.players[0].raises + table.players[1].raises, made);
  }
}

TEST(Betting, ShortStacksCallAllInAndNeverRaise) {
  TableRecord table = TableSetup().Seat(0, 500).Seat(1, 30).Structure(StructureNoLimit).Started();
  Turn turn = test::RunToDecision(table);  // seat 1 blinds 1, dealer seat 0 blinds 2
  ASSERT_EQ(turn.seat, 1);
  ApplyAction(table, 1, turn.amount, 0);
  turn = NextTurn(table);
  ASSERT_EQ(turn.seat, 0);
  ApplyAction(table, 0, 0, 100);  // a raise of 100
  EXPECT_EQ(table.players[0].lastAction, ActionBet);

  turn = NextTurn(table);
  ASSERT_EQ(turn.code, TurnAct);
  EXPECT_EQ(turn.seat, 1);
  EXPECT_EQ(turn.amount, 28u);  // everything it has left
  EXPECT_EQ(BetLimits(table, 1, 100).max, 0u);
  // A raise it cannot afford is dropped: it calls all in.
  EXPECT_EQ(ApplyAction(table, 1, 100, 50), 28u);
  EXPECT_EQ(table.players[1].chips, 0u);
  EXPECT_EQ(table.players[1].lastAction, ActionCall);
  EXPECT_EQ(table.players[1].raises, 0);
  EXPECT_EQ(table.raisesThisRound, 1);
}

TEST(Betting, InactiveSeatsDoNothingAndFoldsAreCountedOnce) {
  TableRecord table = TableSetup().Seat(0, 100).Seat(1, 100).Seat(2, 100).Started();
  EXPECT_EQ(ApplyAction(table, 5, 10, 10), 0u);
  EXPECT_EQ(table.players[5].chips, 0u);

  EXPECT_TRUE(FoldSeat(table, 1));
  EXPECT_FALSE(FoldSeat(table, 1));
  EXPECT_EQ(table.players[1].folds, 1);
  EXPECT_EQ(table.players[1].status, StatusFolded);
  EXPECT_EQ(table.players[1].lastAction, ActionFold);
  table.foldStyle = 0;
  EXPECT_TRUE(FoldSeat(table, 2));
  EXPECT_EQ(table.players[2].status, StatusOut);
}

TEST(Betting, AmountsBeyondSixteenBitsDoNotWrap) {
  TableRecord table = TableSetup()
                          .Seat(0, 5'000'000)
                          .Seat(1, 3'000'000)
                          .Structure(StructureCustom)
                          .BaseBet(9999)
                          .Level(100)
                          .Started();
  table.customMax[0] = 9999;
  std::vector<Posted> posted = PostAll(table);
  EXPECT_EQ(posted, (std::vector<Posted>{{1, 499'950}, {0, 999'900}}));
  Turn turn = test::RunToDecision(table);
  EXPECT_EQ(turn.seat, 1);
  EXPECT_EQ(turn.amount, 499'950u);
  EXPECT_EQ(ApplyAction(table, 1, turn.amount, 9999), 509'949u);
  turn = NextTurn(table);
  EXPECT_EQ(turn.amount, 9999u);
}

}  // namespace
}  // namespace qf
