// Forced bets, bet limits and the raise cap. The order in which seats act is
// held by the random hands, the soak test and the benchmark's signature.
#include <gtest/gtest.h>

#include <vector>

#include "table_setup.h"

namespace qf {
namespace {

using test::TableSetup;

TEST(ForcedBets, BlindsAndAntesByDealerLevelAndStack) {
  const TableSetup three = TableSetup().Seats({1, 4, 6}, 500).Dealer(4).BaseBet(5);
  const TableSetup four = TableSetup().Seats({0, 2, 3}, 100);
  const struct {
    const char* what;
    TableSetup setup;
    std::vector<std::pair<int, uint32_t>> posts;  // seat and amount, in order
  } cases[] = {
      {"blinds left of the dealer", three, {{6, 2}, {1, 5}}},
      {"heads-up the dealer posts the big blind",
       TableSetup().Seats({3, 6}, 9).Dealer(6),
       {{3, 1}, {6, 2}}},
      {"progressive level 3", TableSetup(three).Level(3), {{6, 7}, {1, 15}}},
      {"antes at level 2, a short stack all it has",
       TableSetup().Seats({0, 5}, 500).Seat(2, 12).BaseBet(10).Level(2).Antes(),
       {{2, 20}, {5, 20}, {0, 20}}},
      {"a seat without chips is passed over", TableSetup(four).Seat(1, 0), {{2, 1}, {3, 2}}},
      {"a blind of its last chip counts", TableSetup(four).Seat(1, 1), {{1, 1}, {2, 2}}},
      {"base bet 1: a small blind of nothing counts as posted",
       TableSetup().Seats({0, 1, 2}, 100).BaseBet(1),
       {{2, 1}}},
      {"no stake, no ante", TableSetup().Seats({0, 1}, 100).BaseBet(0).Antes(), {}},
      {"no stake, no blinds", TableSetup().Seats({0, 1}, 100).BaseBet(0), {}},
      {"amounts beyond 16 bits",
       TableSetup().Seats({0, 1}, 5'000'000).BaseBet(9999).Level(100),
       {{1, 499'950}, {0, 999'900}}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TableRecord table = c.setup.Build();
    const uint64_t chips = ChipsOnTable(table);
    std::vector<std::pair<int, uint32_t>> posted;
    for (Turn turn = NextTurn(table); turn.code == TurnForcedBet; turn = NextTurn(table)) {
      posted.emplace_back(turn.seat, turn.amount);
      test::PostForcedBet(table, turn.seat);
      EXPECT_EQ(table.players[turn.seat].lastAction, ActionForcedBet);
    }
    EXPECT_EQ(posted, c.posts);
    EXPECT_EQ(ChipsOnTable(table), chips);
    EXPECT_EQ(NextTurn(table).code, TurnDeal);
  }
}

TEST(BetLimits, EachStructureOnEachStreet) {
  const uint32_t b = 2;
  const struct {
    uint8_t structure;
    int street;  // cards beyond the hole cards: 0 pre-flop, 3 flop, 4 turn, 5 river
    uint32_t min, max;
  } cases[] = {{0, 0, b, b},     {0, 3, b, b},     {0, 4, 2 * b, 2 * b}, {0, 5, 2 * b, 2 * b},
               {1, 0, b, b},     {1, 3, b, b},     {1, 4, 2 * b, 2 * b}, {1, 5, 2 * b, 4 * b},
               {2, 0, b, 2 * b}, {2, 3, b, 2 * b}, {2, 4, b, 2 * b},     {2, 5, b, 2 * b},
               {3, 0, b, 2 * b}, {3, 3, b, 2 * b}, {3, 4, b, 4 * b},     {3, 5, b, 8 * b},
               {4, 0, b, 2 * b}, {4, 3, b, 2 * b}, {4, 4, b, 4 * b},     {4, 5, b, 2 * b},
               {5, 0, b, 60},    {5, 5, b, 60},    {6, 0, b, 1000},      {6, 4, b, 1000},
               {7, 0, 1, 2},     {7, 3, 3, 4},     {7, 4, 5, 6},         {7, 5, 7, 8}};
  for (bool omaha : {false, true}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << "structure " << int(c.structure) << " street " << c.street
                                      << (omaha ? " omaha" : " texas"));
      TableSetup setup = TableSetup().Seat(0, 1000).Seat(1, 1000).Structure(c.structure);
      setup.Custom(0, 1, 2).Custom(1, 3, 4).Custom(2, 5, 6).Custom(3, 7, 8);
      TableRecord table = (omaha ? setup.Omaha() : setup).Dealt(0, 30).Build();
      for (int seat : {0, 1}) table.players[seat].cardsSeen = uint8_t(table.holeCards + c.street);
      const BetLimitsResult limits = BetLimits(table, 0, 0);
      EXPECT_EQ(std::tuple(limits.forced, limits.min, limits.max), std::tuple(false, c.min, c.max));
    }
  }
}

// Seat 0 on the river (or turn) of a two-seat table, at the edges of the limits.
TEST(BetLimits, StakesShortStacksAndEdges) {
  const struct {
    const char* what;
    TableSetup setup;
    uint32_t chips, stake, otherStake, call, min, max;
  } cases[] = {
      {"spread rising at level 3", TableSetup().Structure(3).Level(3), 1000, 10, 10, 0, 6, 48},
      {"custom limits are not scaled", TableSetup().Structure(7).Level(3), 1000, 10, 10, 0, 4, 4},
      {"cut to what is left after the call", TableSetup().Structure(4).BaseBet(5), 29, 20, 20, 20,
       5, 9},
      {"pot limit: the pot", TableSetup().Structure(5).BaseBet(5), 35, 20, 10, 10, 5, 25},
      {"a stack short of the call may not raise", TableSetup().Structure(5), 30, 20, 10, 50, 0, 0},
      {"no chips, no raise", TableSetup().Structure(5), 0, 20, 10, 0, 0, 0},
      {"a pot below the smallest bet leaves the smallest bet", TableSetup().Structure(5).BaseBet(5),
       100, 0, 1, 1, 5, 5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TableRecord table = TableSetup(c.setup).Seat(0, c.chips).Seat(1, 1000).Dealt(7, 0).Build();
    table.players[0].inPot = c.stake;
    table.players[1].inPot = c.otherStake;
    const BetLimitsResult limits = BetLimits(table, 0, c.call);
    EXPECT_EQ(std::pair(limits.min, limits.max), std::pair(c.min, c.max));
  }
  TableRecord inactive = TableSetup().Seat(0, 100, KindInactive).Seat(1, 100).Dealt(7).Build();
  EXPECT_EQ(BetLimits(inactive, 0, 0).max, 0u);
  EXPECT_EQ(ApplyAction(inactive, 0, 10, 10), 0u);
}

TEST(Betting, RaiseCapCountsTheOpeningBetAndLabelsBetThenRaise) {
  for (int cap : {0, 1, 4}) {
    SCOPED_TRACE(testing::Message() << "cap " << cap);
    TableRecord table = TableSetup().Seat(0, 1000).Seat(1, 1000).Cap(cap).Build();
    Turn turn = test::RunToDecision(table);
    int made = 0;
    for (; made < 12 && BetLimits(table, turn.seat, turn.amount).max > 0; ++made) {
      ApplyAction(table, turn.seat, turn.amount, BetLimits(table, turn.seat, turn.amount).min);
      EXPECT_EQ(table.players[turn.seat].lastAction, made == 0 ? ActionBet : ActionRaise);
      turn = NextTurn(table);
      ASSERT_EQ(turn.code, TurnAct);
      EXPECT_EQ(turn.amount, 2u);  // fixed limit: each raise is one base bet
    }
    EXPECT_EQ(made, cap == 0 ? 12 : cap);
    EXPECT_EQ(table.players[0].raises + table.players[1].raises, made);
  }
}

}  // namespace
}  // namespace qf
