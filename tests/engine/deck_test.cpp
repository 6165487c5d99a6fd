// Card texts, the shuffle, dealing from fixed deck bytes, the dealer button.
#include "engine/deck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "table_setup.h"

namespace qf {
namespace {

using test::TableSetup;

TEST(Cards, EveryCodeHasATextThatParsesBack) {
  EXPECT_EQ(CardText(1) + CardText(10) + CardText(14) + CardText(52), "AsTsAcKh");
  for (int code = 1; code <= 52; ++code) EXPECT_EQ(ParseCard(CardText(code)), code);
  EXPECT_EQ(ParseCard("td") * 100 + ParseCard("QH"), MakeCard(9, 2) * 100 + MakeCard(11, 3));
  for (const char* bad : {"", "A", "1s", "10h", "Ax", "As ", "Zs"}) EXPECT_EQ(ParseCard(bad), 0);
  for (int bad : {0, 53, 255, -1}) EXPECT_EQ(CardText(bad), "X");
}

TEST(NewHand, ShufflesWithFourThousandDrawsAndResetsTheSeats) {
  TableRecord table = TableSetup().Seat(1, 100).Seat(2, 100).Dealt(5).Build();
  for (PlayerRecord& player : table.players)
    player.status = StatusFolded, player.lastAction = ActionRaise;
  Rng rng(42), expectedAfter(42);
  for (int i = 0; i < 4000; ++i) expectedAfter.Next();
  NewHand(table, rng);
  EXPECT_EQ(rng.State(), expectedAfter.State());
  std::vector<uint8_t> sorted(table.deck, table.deck + kDeckSize), ordered(kDeckSize);
  std::sort(sorted.begin(), sorted.end());
  std::iota(ordered.begin(), ordered.end(), 1);
  EXPECT_EQ(sorted, ordered);
  EXPECT_FALSE(std::equal(ordered.begin(), ordered.end(), table.deck));
  for (const PlayerRecord& p : table.players) {
    EXPECT_EQ(std::tuple(p.cardsSeen, p.status, p.lastAction),
              std::tuple(uint8_t{0}, uint32_t{StatusToAct}, uint32_t{ActionNone}));
  }
}

TEST(Dealing, OmahaCardsFromFixedDeckBytesAndOnlyLiveSeatsReset) {
  // Texas layouts are checked by every arranged showdown; here the Omaha one.
  TableRecord omaha = TableSetup().Omaha().Seat(3, 100).Seat(5, 100).Build();
  for (int pass = 0; pass < 10; ++pass) test::DealPass(omaha);  // one more than there are
  uint8_t cards[kMaxCards];
  ASSERT_EQ(SeatCards(omaha, 3, cards), 9);
  EXPECT_TRUE(std::equal(cards, cards + 4, omaha.deck + 12));
  EXPECT_TRUE(std::equal(cards + 4, cards + 9, omaha.deck + 45));
  EXPECT_EQ(SeatCardsUpTo(omaha, 5, 20, cards), 9);

  TableRecord table = TableSetup().Seat(0, 100).Seat(1, 100).Seat(2, 100).Build();
  NextTurn(table);  // marks the inactive seats out
  test::DealPass(table);
  table.players[2].lastAction = ActionForcedBet;
  test::DealPass(table);  // a hole card leaves a posted blind shown
  EXPECT_EQ(table.players[2].lastAction, ActionForcedBet);
  table.players[0].status = StatusCalled;
  table.players[0].lastAction = ActionCall;
  FoldSeat(table, 1);
  test::DealPass(table);  // the first flop card
  for (const PlayerRecord& player : table.players) EXPECT_EQ(player.cardsSeen, 3);
  EXPECT_EQ(std::pair(table.players[0].status, table.players[0].lastAction),
            std::pair(uint32_t{StatusToAct}, uint32_t{ActionNone}));
  EXPECT_EQ(std::pair(table.players[1].status, table.players[1].lastAction),
            std::pair(uint32_t{StatusFolded}, uint32_t{ActionFold}));
  EXPECT_EQ(table.players[7].status, StatusOut);
}

TEST(AdvanceButton, MovesToTheNextSeatWithChipsAndRaisesTheLevelPastSeatZero) {
  TableRecord table = TableSetup().Seat(2, 100).Seat(7, 100).Seat(9, 0).Dealer(7).Level(3).Build();
  const std::pair<int, uint32_t> after[] = {{2, 4}, {7, 4}};
  for (auto [dealer, level] : after) {
    AdvanceButton(table);
    EXPECT_EQ(std::pair(int{table.dealer}, table.progressiveLevel), std::pair(dealer, level));
  }
  table.progressiveLevel = 0;  // fixed stakes stay fixed
  AdvanceButton(table);
  EXPECT_EQ(std::pair(int{table.dealer}, table.progressiveLevel), std::pair(2, 0u));
  TableRecord nobody = TableSetup().Seat(4, 0).Dealer(4).Level(2).Build();
  AdvanceButton(nobody);
  EXPECT_EQ(std::pair(int{nobody.dealer}, nobody.progressiveLevel), std::pair(4, 2u));
}

}  // namespace
}  // namespace qf
