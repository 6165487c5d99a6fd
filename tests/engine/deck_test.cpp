#include "engine/deck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "table_setup.h"

namespace qf {
namespace {

using test::TableSetup;

TEST(Cards, EveryCodeHasATextThatParsesBack) {
  EXPECT_EQ(CardText(1), "As");
  EXPECT_EQ(CardText(10), "Ts");
  EXPECT_EQ(CardText(14), "Ac");
  EXPECT_EQ(CardText(52), "Kh");
  for (int code = 1; code <= 52; ++code) EXPECT_EQ(ParseCard(CardText(code)), code);
  EXPECT_EQ(ParseCard("td"), MakeCard(9, 2));
  EXPECT_EQ(ParseCard("QH"), MakeCard(11, 3));
  for (const char* bad : {"", "A", "1s", "10h", "Ax", "As ", "Zs"}) EXPECT_EQ(ParseCard(bad), 0);
  for (int bad : {0, 53, 255, -1}) EXPECT_EQ(CardText(bad), "X");
}

TEST(NewHand, ShufflesWithFourThousandDrawsAndResetsTheSeats) {
  TableRecord table = TableSetup().Seat(1, 100).Seat(2, 100).Build();
  for (PlayerRecord& player : table.players) {
    player.cardsSeen = 5;
    player.status = StatusFolded;
    player.lastAction = ActionRaise;
  }
  Rng rng(42);
  Rng expectedAfter(42);
  for (int i = 0; i < 4000; ++i) expectedAfter.Next();

  NewHand(table, rng);
  EXPECT_EQ(rng.State(), expectedAfter.State());
  std::vector<uint8_t> sorted(table.deck, table.deck + kDeckSize);
  std::sort(sorted.begin(), sorted.end());
  for (int i = 0; i < kDeckSize; ++i) EXPECT_EQ(sorted[i], i + 1);
  for (const PlayerRecord& player : table.players) {
    EXPECT_EQ(player.cardsSeen, 0);
    EXPECT_EQ(player.status, StatusToAct);
    EXPECT_EQ(player.lastAction, ActionNone);
  }
}

TEST(Dealing, HoleCardsAndBoardComeFromFixedDeckBytes) {
  // Texas layouts are checked by every arranged showdown; here the Omaha one.
  TableRecord omaha = TableSetup().Omaha().Seat(3, 100).Seat(5, 100).Build();
  for (int pass = 0; pass < 9; ++pass) test::DealPass(omaha);
  uint8_t cards[kMaxCards];
  ASSERT_EQ(SeatCards(omaha, 3, cards), 9);
  EXPECT_TRUE(std::equal(cards, cards + 4, omaha.deck + 12));
  EXPECT_TRUE(std::equal(cards + 4, cards + 9, omaha.deck + 45));
  // Nothing more than hole cards and board, however often the seat is dealt to.
  DealCard(omaha, 3);
  EXPECT_EQ(SeatCards(omaha, 3, cards), 9);
  EXPECT_EQ(SeatCardsUpTo(omaha, 5, 20, cards), 9);
}

TEST(Dealing, EverySeatCountsCardsButOnlyLiveSeatsAreReset) {
  TableRecord table = TableSetup().Seat(0, 100).Seat(1, 100).Seat(2, 100).Build();
  NextTurn(table);  // marks the inactive seats out
  for (int pass = 0; pass < 2; ++pass) test::DealPass(table);
  table.players[0].status = StatusCalled;
  table.players[0].lastAction = ActionCall;
  FoldSeat(table, 1);

  test::DealPass(table);  // first flop card
  for (const PlayerRecord& player : table.players) EXPECT_EQ(player.cardsSeen, 3);
  EXPECT_EQ(table.players[0].status, StatusToAct);
  EXPECT_EQ(table.players[0].lastAction, ActionNone);
  EXPECT_EQ(table.players[1].status, StatusFolded);
  EXPECT_EQ(table.players[1].lastAction, ActionFold);
  EXPECT_EQ(table.players[7].status, StatusOut);

  // A hole card leaves the last action shown (a posted blind stays visible).
  TableRecord fresh = TableSetup().Seat(0, 100).Seat(1, 100).Build();
  fresh.players[1].lastAction = ActionForcedBet;
  DealCard(fresh, 1);
  EXPECT_EQ(fresh.players[1].lastAction, ActionForcedBet);
}

TEST(AdvanceButton, MovesToTheNextSeatWithChipsAndRaisesTheLevelPastSeatZero) {
  TableRecord table = TableSetup().Seat(2, 100).Seat(7, 100).Seat(9, 0).Dealer(7).Level(3).Build();
  AdvanceButton(table);
  EXPECT_EQ(table.dealer, 2);
  EXPECT_EQ(table.progressiveLevel, 4u);
  AdvanceButton(table);
  EXPECT_EQ(table.dealer, 7);
  EXPECT_EQ(table.progressiveLevel, 4u);

  table.progressiveLevel = 0;  // fixed stakes stay fixed
  AdvanceButton(table);
  EXPECT_EQ(table.dealer, 2);
  EXPECT_EQ(table.progressiveLevel, 0u);

  TableRecord nobody = TableSetup().Seat(4, 0).Dealer(4).Level(2).Build();
  AdvanceButton(nobody);
  EXPECT_EQ(nobody.dealer, 4);
  EXPECT_EQ(nobody.progressiveLevel, 2u);
}

}  // namespace
}  // namespace qf
