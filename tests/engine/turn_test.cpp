#include "engine/turn.h"

#include <gtest/gtest.h>

#include "table_setup.h"

namespace qf {
namespace {

using test::TableSetup;

// Checks that seat acts next, facing that amount, then applies a call or check.
void ExpectToActAndCall(TableRecord& table, int seat, uint32_t amount) {
  Turn turn = test::RunToDecision(table);
  ASSERT_EQ(turn.code, TurnAct);
  ASSERT_EQ(turn.seat, seat);
  EXPECT_EQ(turn.amount, amount);
  ApplyAction(table, seat, turn.amount, 0);
}

TEST(TurnOrder, BlindsPostLeftOfTheDealerAndTheBigBlindActsLast) {
  TableRecord table = TableSetup().Seat(2, 100).Seat(5, 100).Seat(8, 100).Dealer(8).Started();
  Turn turn = NextTurn(table);
  EXPECT_EQ(turn.code, TurnForcedBet);
  EXPECT_EQ(turn.seat, 2);
  test::PostForcedBet(table, 2);
  turn = NextTurn(table);
  EXPECT_EQ(turn.seat, 5);
  test::PostForcedBet(table, 5);
  EXPECT_EQ(NextTurn(table).code, TurnDeal);

  ExpectToActAndCall(table, 8, 2);
  ExpectToActAndCall(table, 2, 1);
  // The big blind may still raise.
  Turn bigBlind = NextTurn(table);
  ASSERT_EQ(bigBlind.seat, 5);
  EXPECT_EQ(bigBlind.amount, 0u);
  EXPECT_EQ(BetLimits(table, 5, 0).max, 2u);
  ApplyAction(table, 5, 0, 0);
  EXPECT_EQ(table.players[5].lastAction, ActionCheck);

  // Flop: the small blind's seat opens.
  EXPECT_EQ(NextTurn(table).code, TurnDeal);
  EXPECT_EQ(table.cardsDealt, 5);
  ExpectToActAndCall(table, 2, 0);
  EXPECT_EQ(table.players[0].cardsSeen, 5);
}

TEST(TurnOrder, HeadsUpTheOtherSeatPostsSmallAndActsFirstOnEveryStreet) {
  TableRecord table = TableSetup().Seat(3, 100).Seat(6, 100).Dealer(6).Started();
  EXPECT_EQ(NextTurn(table).seat, 3);
  test::PostForcedBet(table, 3);
  Turn big = NextTurn(table);
  EXPECT_EQ(big.seat, 6);
  EXPECT_EQ(big.amount, 2u);
  test::PostForcedBet(table, 6);
  ExpectToActAndCall(table, 3, 1);
  ExpectToActAndCall(table, 6, 0);
  for (int street = 0; street < 3; ++street) {
    ExpectToActAndCall(table, 3, 0);
    ExpectToActAndCall(table, 6, 0);
  }
  EXPECT_EQ(NextTurn(table).code, TurnShowdown);
  EXPECT_EQ(table.cardsDealt, 8);
}

TEST(TurnOrder, ARaiseReopensTheActionPastFoldedSeats) {
  // Dealer on seat 4, seats 4..9 in play; seat 7 folded earlier in the round.
  TableSetup setup = TableSetup().Dealer(4);
  for (int seat = 4; seat <= 9; ++seat) setup.Seat(seat, 100);
  TableRecord table = setup.Started();
  test::RunToDecision(table);  // seats 5 and 6 blind
  ExpectToActAndCall(table, 7, 2);
  FoldSeat(table, 7);
  ExpectToActAndCall(table, 8, 2);
  Turn turn = NextTurn(table);
  ASSERT_EQ(turn.seat, 9);
  ApplyAction(table, 9, turn.amount, 2);
  ExpectToActAndCall(table, 4, 4);
  ExpectToActAndCall(table, 5, 3);
  ExpectToActAndCall(table, 6, 2);
  ExpectToActAndCall(table, 8, 2);
  EXPECT_EQ(NextTurn(table).code, TurnDeal);  // the round is over with seat 9's raise
}

TEST(TurnOrder, AllInSeatsHoldNothingOpenButAreAskedToCheck) {
  TableRecord table = TableSetup().Seat(0, 100).Seat(1, 10).Seat(2, 100).Started();
  test::RunToDecision(table);  // seats 1 and 2 blind, seat 0 to act
  ApplyAction(table, 0, 2, 50);
  ExpectToActAndCall(table, 1, 9);
  EXPECT_EQ(table.players[1].chips, 0u);
  ExpectToActAndCall(table, 2, 50);
  // Next street: the all-in seat gets its turn with nothing to call.
  ExpectToActAndCall(table, 1, 0);
  EXPECT_EQ(table.players[1].lastAction, ActionCheck);
  Turn turn = test::RunToDecision(table);
  ASSERT_EQ(turn.seat, 2);
  ApplyAction(table, 2, 0, 20);
  // Seat 1 cannot owe what it does not have; the round waits for seat 0 only.
  Turn next = NextTurn(table);
  ASSERT_EQ(next.seat, 0);
  ApplyAction(table, 0, next.amount, 0);
  ExpectToActAndCall(table, 1, 0);
  EXPECT_EQ(NextTurn(table).code, TurnDeal);
}

TEST(TurnOrder, TheHandsEnds) {
  TableRecord none = TableSetup().Started();
  EXPECT_EQ(NextTurn(none).code, TurnNoTable);

  TableRecord alone = TableSetup().Seat(4, 100).Started();
  EXPECT_EQ(NextTurn(alone).code, TurnLastStanding);
  EXPECT_EQ(alone.players[0].status, StatusOut);
  EXPECT_EQ(alone.players[0].lastAction, ActionFold);

  TableRecord folded = TableSetup().Seat(0, 100).Seat(1, 100).Seat(2, 100).Started();
  Turn turn = test::RunToDecision(folded);
  FoldSeat(folded, turn.seat);
  turn = NextTurn(folded);
  FoldSeat(folded, turn.seat);
  EXPECT_EQ(NextTurn(folded).code, TurnLastStanding);
  EndHand(folded);
  EXPECT_EQ(NextTurn(folded).code, TurnNewHand);

  // Seats in play without chips, stake or cards cannot hold a hand.
  TableRecord broke = TableSetup().Seat(0, 0).Seat(1, 0).Started();
  broke.cardsDealt = 0;
  EXPECT_EQ(NextTurn(broke).code, TurnNoTable);
}

TEST(TurnOrder, ActionAnchorIsTheLastTopStakeSkippingCallers) {
  TableRecord table = TableSetup().Seat(1, 100).Seat(3, 100).Seat(5, 100).Seat(7, 100).Build();
  for (int seat : {0, 2, 4, 6, 8, 9}) table.players[seat].status = StatusOut;
  for (int seat : {1, 3, 5, 7}) table.players[seat].status = StatusToAct;
  table.dealer = 7;
  table.players[3].inPot = 10;
  table.players[5].inPot = 10;
  EXPECT_EQ(ActionAnchor(table), 5);
  table.players[5].status = StatusCalled;
  table.players[7].status = StatusCalled;
  EXPECT_EQ(ActionAnchor(table), 0);  // the seat before seat 1, the first still to act
  for (int seat : {1, 3}) table.players[seat].status = StatusCalled;
  EXPECT_EQ(ActionAnchor(table), 4);  // nobody found: the seat before the anchor
}

}  // namespace
}  // namespace qf
