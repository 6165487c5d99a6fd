#include "engine/pots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "table_setup.h"

namespace qf {
namespace {

using test::TableSetup;

// A river showdown: every listed seat holds all its cards with the given stake.
TableRecord Showdown(const TableSetup& setup, const std::vector<std::pair<int, uint32_t>>& stakes) {
  TableRecord table = setup.Build();
  NextTurn(table);  // inactive seats out
  for (int pass = 0; pass < 7; ++pass) test::DealPass(table);
  for (auto [seat, stake] : stakes) {
    table.players[seat].inPot = stake;
    table.players[seat].status = StatusCalled;
  }
  table.cardsDealt = 8;
  return table;
}

TEST(Payout, SidePotsGoToTheBestHandThatReachedThemAndTiesSplit) {
  // Seat 1 (aces, 50 in) beats seats 2 and 3, who tie on king high.
  TableSetup setup = TableSetup().Seat(1, 0).Seat(2, 400).Seat(3, 400).Dealer(3);
  setup.Hole(1, "As Ad").Hole(2, "Qc 3s").Hole(3, "Qh 3d").Board("2c 7d 9h Jd Ks");
  TableRecord table = Showdown(setup, {{1, 50}, {2, 100}, {3, 100}});
  const uint64_t before = ChipsOnTable(table);
  EXPECT_EQ(NextTurn(table).code, TurnShowdown);

  PayShowdown(table);
  EXPECT_EQ(table.players[1].winnings, 150u);
  EXPECT_EQ(table.players[2].winnings, 50u);
  EXPECT_EQ(table.players[3].winnings, 50u);
  EXPECT_EQ(table.players[1].isWinner, 1u);
  EXPECT_EQ(table.players[2].isWinner, 0u);  // only main pot winners are flagged
  EXPECT_EQ(table.players[1].handsWon, 1);
  EXPECT_EQ(table.players[2].handsWon, 0);
  EXPECT_EQ(table.players[2].handsPlayed, 1);

  // A second payout finds nothing left to pay.
  TableRecord paid = table;
  PayShowdown(table);
  EXPECT_EQ(std::memcmp(&paid, &table, sizeof table), 0);
  EndHand(table);
  EXPECT_EQ(table.players[1].chips, 150u);
  EXPECT_EQ(table.players[2].chips, 450u);
  EXPECT_EQ(ChipsOnTable(table), before);
}

TEST(Payout, OddChipsRollIntoTheNextPotThenToTheDealer) {
  // Seats 1 and 2 tie on ace high; seat 6 (the dealer) holds king high.
  TableSetup setup = TableSetup().Seat(1, 100).Seat(2, 100).Seat(3, 100).Seat(6, 100).Dealer(6);
  setup.Hole(1, "Ac 7c").Hole(2, "Ad 7d").Hole(3, "4c 4d").Hole(6, "Qs 3c");
  setup.Board("2s 5h 9d Jc Kh");
  TableRecord table = Showdown(setup, {{1, 5}, {2, 5}, {3, 5}});
  FoldSeat(table, 3);
  FoldSeat(table, 6);
  PayShowdown(table);
  EXPECT_EQ(table.players[1].winnings, 7u);
  EXPECT_EQ(table.players[2].winnings, 7u);
  EXPECT_EQ(table.players[6].winnings, 1u);  // the dealer, out of the hand

  // With a side pot the odd chip is carried into it: seat 2 is all in for 5,
  // seat 3 folded 4, seats 1 and 6 put in 9.
  TableRecord side = Showdown(setup, {{1, 9}, {2, 5}, {3, 4}, {6, 9}});
  side.players[2].chips = 0;
  FoldSeat(side, 3);
  PayShowdown(side);
  EXPECT_EQ(side.players[2].winnings, 9u);   // half of the main pot of 19
  EXPECT_EQ(side.players[1].winnings, 18u);  // the other half, then 1 + 4 + 4
  EXPECT_EQ(side.players[6].winnings, 0u);
}

TEST(Payout, RakeIsTakenFromEveryStakeBeforeThePots) {
  TableSetup setup = TableSetup().Seat(0, 100).Seat(1, 100).Seat(2, 100).Rake(4);
  setup.Hole(0, "As Ad").Hole(1, "Kc Kd").Board("2c 7d 9h Jd 4s");
  TableRecord table = Showdown(setup, {{0, 24}, {1, 25}, {2, 50}});
  FoldSeat(table, 2);
  const uint64_t before = ChipsOnTable(table);
  PayShowdown(table);
  EXPECT_EQ(table.players[0].rakePaid, 0u);  // 4% of 24 rounds down to nothing
  EXPECT_EQ(table.players[1].rakePaid, 1u);
  EXPECT_EQ(table.players[2].rakePaid, 2u);  // folded seats pay too
  // Seat 0 wins 24 from each; the 24 more that the folded seat put in were
  // matched by no live seat and go back to it.
  EXPECT_EQ(table.players[0].winnings, 72u);
  EXPECT_EQ(table.players[1].winnings, 0u);
  EXPECT_EQ(table.players[2].chips, 124u);
  EXPECT_EQ(ChipsOnTable(table) + test::RakeTaken(table), before);
}

TEST(Payout, StakeNoLiveSeatReachedGoesBackToItsSeat) {
  // Seat 0 bet 100 and folded; seat 1 is live with 40 in the pot. Rake 10%.
  TableSetup setup =
      TableSetup().Seat(0, 100).Seat(1, 0).Seat(2, 100).Seat(5, 100, KindInactive).Rake(10);
  TableRecord table = Showdown(setup, {{0, 100}, {1, 40}, {2, 10}});
  FoldSeat(table, 0);
  FoldSeat(table, 2);
  table.players[5].inPot = 30;  // a seat that went inactive with a stake
  const uint64_t before = ChipsOnTable(table);
  EXPECT_EQ(NextTurn(table).code, TurnLastStanding);

  PayShowdown(table);
  EXPECT_EQ(table.players[1].winnings, 36u + 36u + 9u);
  EXPECT_EQ(table.players[0].chips, 154u);  // 90 after rake, 36 of it called
  EXPECT_EQ(table.players[5].chips, 130u);  // back untouched, without rake
  EXPECT_EQ(table.players[5].rakePaid, 0u);
  EXPECT_EQ(table.players[0].handsPlayed, 1);
  EXPECT_EQ(table.players[0].handsWon, 0);
  EXPECT_EQ(ChipsOnTable(table) + test::RakeTaken(table), before);

  // Nobody live holds a stake: the hand's end hands every stake back.
  TableRecord empty = Showdown(setup, {{0, 30}, {2, 20}});
  FoldSeat(empty, 0);
  FoldSeat(empty, 2);
  EndHand(empty);
  EXPECT_EQ(empty.players[0].chips, 130u);
  EXPECT_EQ(empty.players[2].chips, 120u);
}

TEST(Payout, ScriptedHandsKeepEveryChip) {
  for (uint8_t structure = 0; structure < kStructureCount; ++structure) {
    SCOPED_TRACE(testing::Message() << "structure " << int(structure));
    TableSetup setup = TableSetup().Seat(0, 300).Seat(2, 45).Seat(4, 300).Seat(7, 120);
    TableRecord table = setup.Structure(structure).Rake(5).Level(2).Build();
    const uint32_t customMin[4] = {5, 10, 10, 20}, customMax[4] = {10, 20, 40, 40};
    std::copy(customMin, customMin + 4, table.customMin);
    std::copy(customMax, customMax + 4, table.customMax);
    const uint64_t before = ChipsOnTable(table);
    // Each seat bets the most it may the first time it acts on a street, then calls.
    int streetRaised = -1;
    for (int step = 0; step < 200; ++step) {
      Turn turn = test::RunToDecision(table);
      if (turn.code != TurnAct) break;
      BetLimitsResult limits = BetLimits(table, turn.seat, turn.amount);
      bool raise = table.cardsDealt != streetRaised && limits.max > 0;
      if (raise) streetRaised = table.cardsDealt;
      ApplyAction(table, turn.seat, turn.amount, raise ? limits.max : 0);
    }
    Turn end = NextTurn(table);
    EXPECT_TRUE(end.code == TurnShowdown || end.code == TurnLastStanding);
    EndHand(table);
    EXPECT_EQ(ChipsOnTable(table) + test::RakeTaken(table), before);
    EXPECT_GT(test::RakeTaken(table), 0u);
    EXPECT_EQ(NextTurn(table).code, TurnNewHand);
  }
}

}  // namespace
}  // namespace qf
