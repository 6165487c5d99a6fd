// Forced bets, bet limits, actions and the order in which seats act.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
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

TEST(ForcedBets, BlindsAndAntesByDealerLevelAndStack) {
  const TableSetup three = TableSetup().Seat(1, 500).Seat(4, 500).Seat(6, 500).Dealer(4).BaseBet(5);
  const struct {
    const char* what;
    TableSetup setup;
    std::vector<Posted> posts;
  } cases[] = {
      {"blinds left of the dealer", three, {{6, 2}, {1, 5}}},
      {"heads-up: the dealer posts the big blind",
       TableSetup().Seat(3, 100).Seat(6, 100).Dealer(6),
       {{3, 1}, {6, 2}}},
      {"progressive level 3", TableSetup(three).Level(3), {{6, 7}, {1, 15}}},
      {"every seat antes at level 2, a short stack what it has",
       TableSetup().Seat(0, 500).Seat(2, 12).Seat(5, 500).BaseBet(10).Level(2).Antes(),
       {{2, 20}, {5, 20}, {0, 20}}},
      {"a seat without chips is passed over",
       TableSetup().Seat(0, 100).Seat(1, 0).Seat(2, 100).Seat(3, 100),
       {{2, 1}, {3, 2}}},
      {"a blind of its last chip still counts",
       TableSetup().Seat(0, 100).Seat(1, 1).Seat(2, 100).Seat(3, 100),
       {{1, 1}, {2, 2}}},
      {"base bet 1: a small blind of nothing counts as posted",
       TableSetup().Seat(0, 100).Seat(1, 100).Seat(2, 100).BaseBet(1),
       {{2, 1}}},
      {"no stake, no ante", TableSetup().Seat(0, 100).Seat(1, 100).BaseBet(0).Antes(), {}},
      {"no stake, no blinds", TableSetup().Seat(0, 100).Seat(1, 100).BaseBet(0), {}},
      {"amounts beyond 16 bits",
       TableSetup().Seat(0, 5'000'000).Seat(1, 3'000'000).BaseBet(9999).Level(100),
       {{1, 499'950}, {0, 999'900}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TableRecord table = c.setup.Build();
    const uint64_t chips = ChipsOnTable(table);
    EXPECT_EQ(PostAll(table), c.posts);
    EXPECT_EQ(ChipsOnTable(table), chips);
    EXPECT_EQ(NextTurn(table).code, TurnDeal);
    for (const Posted& post : c.posts) {
      const PlayerRecord& player = table.players[post.seat];
      EXPECT_EQ(player.lastAction, ActionForcedBet);
      EXPECT_EQ(player.status, StatusToAct);  // blinds still act
      EXPECT_EQ(player.calls + player.checks + player.raises, 0);
      EXPECT_EQ(player.inPot, std::min(post.amount, player.inPot + player.chips));
    }
  }
}

TEST(BetLimits, EachStructureOnEachStreet) {
  const uint32_t b = 2;
  const struct {
    uint8_t structure;
    int street;  // cards beyond the hole cards: 0 pre-flop, 3 flop, 4 turn, 5 river
    uint32_t min, max;
  } cases[] = {
      {0, 0, b, b},     {0, 3, b, b},     {0, 4, 2 * b, 2 * b}, {0, 5, 2 * b, 2 * b},
      {1, 0, b, b},     {1, 3, b, b},     {1, 4, 2 * b, 2 * b}, {1, 5, 2 * b, 4 * b},
      {2, 0, b, 2 * b}, {2, 3, b, 2 * b}, {2, 4, b, 2 * b},     {2, 5, b, 2 * b},
      {3, 0, b, 2 * b}, {3, 3, b, 2 * b}, {3, 4, b, 4 * b},     {3, 5, b, 8 * b},
      {4, 0, b, 2 * b}, {4, 3, b, 2 * b}, {4, 4, b, 4 * b},     {4, 5, b, 2 * b},
      {5, 0, b, 60},    {5, 5, b, 60},    {6, 0, b, 1000},      {6, 4, b, 1000},
      {7, 0, 1, 2},     {7, 3, 3, 4},     {7, 4, 5, 6},         {7, 5, 7, 8},
  };
  for (bool omaha : {false, true}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << "structure " << int(c.structure) << " street " << c.street
                                      << (omaha ? " omaha" : " texas"));
      TableSetup setup = TableSetup().Seat(0, 1000).Seat(1, 1000).Structure(c.structure);
      TableRecord table = (omaha ? setup.Omaha() : setup).Build();
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

TEST(BetLimits, StakesScaleWithTheLevelAndMaximaAreCutToTheChipsLeft) {
  TableRecord table = TableSetup().Seat(0, 1000).Seat(1, 1000).Structure(3).Level(3).Build();
  table.players[0].cardsSeen = 7;
  table.players[0].inPot = 10;
  EXPECT_EQ(BetLimits(table, 0, 0).min, 6u);
  EXPECT_EQ(BetLimits(table, 0, 0).max, 48u);
  table.betStructure = StructureCustom;
  EXPECT_EQ(BetLimits(table, 0, 0).max, 4u);  // customMax[3] of the defaults, not scaled

  // Structure 4 on the turn: 4b, but only 9 chips remain after the call.
  table = TableSetup().Seat(0, 29).Seat(1, 1000).Structure(4).BaseBet(5).Build();
  table.players[0].cardsSeen = 6;
  table.players[0].inPot = 20;
  EXPECT_EQ(BetLimits(table, 0, 20).min, 5u);
  EXPECT_EQ(BetLimits(table, 0, 20).max, 9u);
  // Pot limit with 30 in the pot and 25 chips left after calling.
  table.betStructure = StructurePotLimit;
  table.players[0].chips = 35;
  table.players[1].inPot = 10;
  EXPECT_EQ(BetLimits(table, 0, 10).max, 25u);
  // A stack that cannot cover the call may not raise; nor may a seat without
  // chips or an inactive one.
  table.players[0].chips = 30;
  EXPECT_EQ(BetLimits(table, 0, 50).min + BetLimits(table, 0, 50).max, 0u);
  table.players[0].chips = 0;
  EXPECT_EQ(BetLimits(table, 0, 0).max, 0u);
  table.players[0].chips = 100;
  table.players[0].kind = KindInactive;
  EXPECT_EQ(BetLimits(table, 0, 0).max, 0u);
  // A pot smaller than the smallest bet does not close the betting.
  table.players[0].kind = KindSmart;
  table.players[0].inPot = 0;
  table.players[1].inPot = 1;
  const BetLimitsResult small = BetLimits(table, 0, 1);
  EXPECT_EQ(std::pair(small.min, small.max), std::pair(5u, 5u));
}

TEST(Betting, RaiseCapCountsTheOpeningBetAndLabelsBetThenRaise) {
  for (int cap : {0, 1, 4}) {
    SCOPED_TRACE(testing::Message() << "cap " << cap);
    TableRecord table = TableSetup().Seat(0, 1000).Seat(1, 1000).Cap(cap).Build();
    Turn turn = test::RunToDecision(table);
    int made = 0;
    for (; made < 12; ++made) {
      BetLimitsResult limits = BetLimits(table, turn.seat, turn.amount);
      if (limits.max == 0) break;
      ApplyAction(table, turn.seat, turn.amount, limits.min);
      EXPECT_EQ(table.players[turn.seat].lastAction, made == 0 ? ActionBet : ActionRaise);
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

TEST(Betting, InactiveSeatsDoNothingAndFoldsAreCountedOnce) {
  TableRecord table = TableSetup().Seat(0, 100).Seat(1, 100).Seat(2, 100).Build();
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
                          .Build();
  table.customMax[0] = 9999;
  Turn turn = test::RunToDecision(table);  // blinds of 499'950 and 999'900
  EXPECT_EQ(turn.seat, 1);
  EXPECT_EQ(turn.amount, 499'950u);
  EXPECT_EQ(ApplyAction(table, 1, turn.amount, 9999), 509'949u);
  EXPECT_EQ(NextTurn(table).amount, 9999u);
}

struct Step {
  int seat;
  uint32_t amount;
};

// Checks that each seat in turn acts next, facing that amount, and calls or checks.
void ExpectCalls(TableRecord& table, std::initializer_list<Step> steps) {
  for (const Step& step : steps) {
    Turn turn = test::RunToDecision(table);
    ASSERT_EQ(turn.code, TurnAct);
    ASSERT_EQ(turn.seat, step.seat);
    EXPECT_EQ(turn.amount, step.amount);
    ApplyAction(table, step.seat, turn.amount, 0);
  }
}

TEST(TurnOrder, TheBigBlindActsLastAndTheSmallBlindOpensTheFlop) {
  TableRecord table = TableSetup().Seat(2, 100).Seat(5, 100).Seat(8, 100).Dealer(8).Build();
  ExpectCalls(table, {{8, 2}, {2, 1}});       // seats 2 and 5 posted the blinds
  EXPECT_EQ(BetLimits(table, 5, 0).max, 2u);  // the big blind may still raise
  ExpectCalls(table, {{5, 0}});
  EXPECT_EQ(table.players[5].lastAction, ActionCheck);
  EXPECT_EQ(NextTurn(table).code, TurnDeal);
  EXPECT_EQ(table.cardsDealt, 5);
  ExpectCalls(table, {{2, 0}});
  EXPECT_EQ(table.players[0].cardsSeen, 5);
}

TEST(TurnOrder, HeadsUpTheOtherSeatActsFirstOnEveryStreet) {
  TableRecord table = TableSetup().Seat(3, 100).Seat(6, 100).Dealer(6).Build();
  ExpectCalls(table, {{3, 1}, {6, 0}, {3, 0}, {6, 0}, {3, 0}, {6, 0}, {3, 0}, {6, 0}});
  EXPECT_EQ(NextTurn(table).code, TurnShowdown);
  EXPECT_EQ(table.cardsDealt, 8);
}

TEST(TurnOrder, ARaiseReopensTheActionPastFoldedSeats) {
  TableSetup setup = TableSetup().Dealer(4);
  for (int seat = 4; seat <= 9; ++seat) setup.Seat(seat, 100);
  TableRecord table = setup.Build();
  ExpectCalls(table, {{7, 2}});  // seats 5 and 6 blind
  FoldSeat(table, 7);
  ExpectCalls(table, {{8, 2}});
  ApplyAction(table, 9, test::RunToDecision(table).amount, 2);
  ExpectCalls(table, {{4, 4}, {5, 3}, {6, 2}, {8, 2}});
  EXPECT_EQ(NextTurn(table).code, TurnDeal);  // the round is over with seat 9's raise
}

TEST(TurnOrder, AllInSeatsCallWhatTheyHaveAndOweNothingMore) {
  TableRecord table = TableSetup().Seat(0, 100).Seat(1, 10).Seat(2, 100).Structure(6).Build();
  test::RunToDecision(table);  // seats 1 and 2 blind, seat 0 to act
  ApplyAction(table, 0, 2, 50);
  EXPECT_EQ(table.players[0].lastAction, ActionBet);
  Turn turn = NextTurn(table);
  ASSERT_EQ(turn.seat, 1);
  EXPECT_EQ(turn.amount, 9u);  // everything it has left
  EXPECT_EQ(BetLimits(table, 1, 51).max, 0u);
  // A raise it cannot afford is dropped: it calls all in.
  EXPECT_EQ(ApplyAction(table, 1, 51, 50), 9u);
  EXPECT_EQ(table.players[1].chips, 0u);
  EXPECT_EQ(table.players[1].lastAction, ActionCall);
  EXPECT_EQ(table.players[1].raises, 0);
  EXPECT_EQ(table.raisesThisRound, 1);
  ExpectCalls(table, {{2, 50}, {1, 0}});  // on the flop the all-in seat is asked to check
  EXPECT_EQ(table.players[1].lastAction, ActionCheck);
  ApplyAction(table, 2, test::RunToDecision(table).amount, 20);
  // Seat 1 cannot owe what it does not have; the round waits for seat 0 only.
  ExpectCalls(table, {{0, 20}, {1, 0}});
  EXPECT_EQ(NextTurn(table).code, TurnDeal);
}

TEST(TurnOrder, HowHandsEnd) {
  TableRecord none = TableSetup().Build();
  EXPECT_EQ(NextTurn(none).code, TurnNoTable);

  TableRecord alone = TableSetup().Seat(4, 100).Build();
  EXPECT_EQ(NextTurn(alone).code, TurnLastStanding);
  EXPECT_EQ(alone.players[0].status, StatusOut);
  EXPECT_EQ(alone.players[0].lastAction, ActionFold);

  TableRecord folded = TableSetup().Seat(0, 100).Seat(1, 100).Seat(2, 100).Build();
  FoldSeat(folded, test::RunToDecision(folded).seat);
  FoldSeat(folded, NextTurn(folded).seat);
  EXPECT_EQ(NextTurn(folded).code, TurnLastStanding);
  EndHand(folded);
  EXPECT_EQ(NextTurn(folded).code, TurnNewHand);

  // Seats in play without chips, stake or cards cannot hold a hand.
  TableRecord broke = TableSetup().Seat(0, 0).Seat(1, 0).Build();
  broke.cardsDealt = 0;
  EXPECT_EQ(NextTurn(broke).code, TurnNoTable);
}

TEST(TurnOrder, ActionAnchorIsTheLastTopStakeSkippingCallers) {
  TableRecord table = TableSetup().Seat(1, 100).Seat(3, 100).Seat(5, 100).Seat(7, 100).Build();
  for (int seat : {0, 2, 4, 6, 8, 9}) table.players[seat].status = StatusOut;
  table.dealer = 7;
  table.players[3].inPot = table.players[5].inPot = 10;
  EXPECT_EQ(ActionAnchor(table), 5);
  table.players[5].status = table.players[7].status = StatusCalled;
  EXPECT_EQ(ActionAnchor(table), 0);  // the seat before seat 1, the first still to act
  table.players[1].status = table.players[3].status = StatusCalled;
  EXPECT_EQ(ActionAnchor(table), 4);  // nobody found: the seat before the anchor
}

}  // namespace
}  // namespace qf
