// What a seat shows: portrait or tile, dealer marker, bubble and hole cards,
// and whose hole cards may be seen when.
#include <gtest/gtest.h>

#include "engine/deck.h"
#include "flow/table_input.h"
#include "view_test_support.h"

namespace qf::test {
namespace {

using Seats = ViewTest;

// Hole card i of the seat shows its face at (L + 12i, T + 15); only the last
// one shows whole, the others their left 12 pixels. (The last Omaha card
// reaches one pixel into the next seat, which covers that column.)
bool ShowsHoleCard(const QImage& buffer, const TableRecord& table, int seat, int i, const Rect& r) {
  const int c = table.deck[4 * seat + i] - 1;
  const bool last = i + 1 == table.holeCards;
  return ShowsPicture(buffer, picture::kCardSheet, r.left + 12 * i, r.top + 15, 25 * (c % 13),
                      40 * (c / 13), last ? 24 : 12, 40);
}

bool ShowsAnyHoleCard(const QImage& buffer, const TableRecord& table, int seat, const Rect& r) {
  for (int i = 0; i < table.holeCards; ++i) {
    if (ShowsHoleCard(buffer, table, seat, i, r)) return true;
  }
  return false;
}

TEST_F(Seats, FoldedAndInactiveSeatsShowOnlyTheirTile) {
  DealOrderedDeck(table, 2);
  table.players[2].status = StatusFolded;
  table.players[5].kind = KindInactive;
  table.dealer = 2;
  session.showNames = session.showAmounts = true;
  for (int seat : {2, 5}) {
    const Rect r = SeatRectOf(seat);
    view.FillFelt(kTableRect);
    view.DrawSeat(table, seat, true, r);
    // The tile is centred: (L + (R - L) / 2 - 10, T + 20).
    const int tile = seat == 2 ? picture::kFoldTile : picture::kOutTile;
    EXPECT_TRUE(ShowsPicture(Buffer(), tile, r.left + 20, r.top + 20));
    EXPECT_TRUE(IsFelt(Buffer(), {r.left + 20, r.top + 40, r.right, r.bottom}));
    EXPECT_TRUE(IsFelt(Buffer(), {r.left + 7, r.top, r.right, r.top + 20}));
    EXPECT_TRUE(IsFelt(Buffer(), {r.left, r.top + 7, r.left + 20, r.bottom}));
    // Only the folded dealer keeps the marker.
    EXPECT_EQ(ShowsPicture(Buffer(), picture::kDealerMarker, r.left, r.top), seat == 2);
  }
}

TEST_F(Seats, BubblesFollowTheLastAction) {
  DealOrderedDeck(table, 2);
  struct Case {
    uint32_t action;
    int bubble;
  };
  const Case cases[] = {
      {ActionForcedBet, picture::kBubbleAnte}, {1, picture::kBubbleAnte},
      {ActionBet, picture::kBubbleBet},        {ActionRaise, picture::kBubbleRaise},
      {ActionCall, picture::kBubbleCall},      {ActionCheck, picture::kBubbleCheck}};
  const Rect r = SeatRectOf(1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.action);
    table.players[1].lastAction = c.action;
    view.FillFelt(kTableRect);
    view.DrawSeat(table, 1, false, r);
    EXPECT_TRUE(ShowsPicture(Buffer(), c.bubble, r.left + 15, r.top));
  }
  // A fold shows the FOLD tile over the portrait instead of a bubble.
  table.players[1].lastAction = ActionFold;
  view.FillFelt(kTableRect);
  view.DrawSeat(table, 1, false, r);
  EXPECT_TRUE(ShowsPicture(Buffer(), picture::kFoldTile, r.left, r.top));
  EXPECT_TRUE(IsFelt(Buffer(), {r.left + 20, r.top, r.right, r.top + 15}));
}

TEST_F(Seats, ComputerCardsStayHiddenUntilTheShowdown) {
  const Turn act = PlayUntil(table, session, rng, ui,
                             [](const Turn& t, const TableRecord&) { return t.code == TurnAct; });
  ASSERT_EQ(act.code, TurnAct);
  view.DrawFullTable(table, false);
  // The human at seat 0 sees its own cards; no computer's card is shown.
  EXPECT_TRUE(ShowsHoleCard(Buffer(), table, 0, 0, SeatRectOf(0)));
  EXPECT_TRUE(ShowsHoleCard(Buffer(), table, 0, 1, SeatRectOf(0)));
  for (int seat = 1; seat < 10; ++seat) {
    EXPECT_FALSE(ShowsAnyHoleCard(Buffer(), table, seat, SeatRectOf(seat))) << seat;
  }

  PlayUntil(table, session, rng, ui,
            [](const Turn& t, const TableRecord&) { return t.code == TurnShowdown; });
  view.DrawFullTable(table, false);
  int shown = 0;
  for (int seat = 0; seat < 10; ++seat) {
    SCOPED_TRACE(seat);
    const bool inHand = !IsOut(table, seat);
    for (int i = 0; i < table.holeCards; ++i) {
      EXPECT_EQ(ShowsHoleCard(Buffer(), table, seat, i, SeatRectOf(seat)), inHand);
    }
    shown += inHand;
  }
  EXPECT_GE(shown, 2);
}

TEST_F(Seats, LastSeatStandingShowsItsCardsOnlyWhenTheWinnerIsAlwaysShown) {
  SetUpTable(table, false, false, KindSmart);
  const auto computerStandsAlone = [](const Turn& t, const TableRecord& tb) {
    if (t.code != TurnLastStanding) return false;
    for (int seat = 1; seat < 10; ++seat) {
      if (!IsOut(tb, seat)) return true;
    }
    return false;
  };
  PlayUntil(table, session, rng, ui, computerStandsAlone);
  int winner = 1;
  while (IsOut(table, winner)) ++winner;
  const Rect r = SeatRectOf(winner);
  table.alwaysShowWinner = 0;
  view.DrawFullTable(table, false);
  EXPECT_FALSE(ShowsAnyHoleCard(Buffer(), table, winner, r));
  table.alwaysShowWinner = 1;
  view.DrawFullTable(table, false);
  EXPECT_TRUE(ShowsHoleCard(Buffer(), table, winner, 0, r));
  EXPECT_TRUE(ShowsHoleCard(Buffer(), table, winner, 1, r));
}

TEST_F(Seats, AlwaysDealOutShowsTheWholeBoardForTheLengthOfTheRepaint) {
  SetUpTable(table, false, false, KindSmart);
  const auto earlyEnd = [](const Turn& t, const TableRecord& tb) {
    return t.code == TurnLastStanding && tb.players[0].cardsSeen < tb.holeCards + 5;
  };
  PlayUntil(table, session, rng, ui, earlyEnd);
  const int seen = table.players[0].cardsSeen;
  const int riverCode = table.deck[41 + table.holeCards + 4];
  const int c = riverCode - 1;
  table.alwaysDealOut = 0;
  view.DrawFullTable(table, false);
  EXPECT_FALSE(ShowsPicture(Buffer(), picture::kCardSheet, 105 + 27 * 4, 100, 25 * (c % 13),
                            40 * (c / 13), 25, 40));
  table.alwaysDealOut = 1;
  view.DrawFullTable(table, false);
  EXPECT_TRUE(ShowsPicture(Buffer(), picture::kCardSheet, 105 + 27 * 4, 100, 25 * (c % 13),
                           40 * (c / 13), 25, 40));
  EXPECT_EQ(table.players[0].cardsSeen, seen);
}

TEST_F(Seats, HiddenHumanSeesItsCardsOnlyOnItsOwnTurn) {
  SetUpTable(table, false, true, KindHiddenHuman);
  const Rect r = SeatRectOf(0);
  const Turn own = PlayUntil(table, session, rng, ui, [](const Turn& t, const TableRecord& tb) {
    return t.code == TurnAct && t.seat == 0 && tb.players[0].cardsSeen == tb.holeCards;
  });
  ASSERT_EQ(own.seat, 0);
  view.DrawFullTable(table, false);
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(ShowsHoleCard(Buffer(), table, 0, i, r)) << i;

  // The seat that acted before it is redrawn by the game: seat 0 comes along.
  view.FillFelt(r);
  ui.DrawSeat(table, 9);
  EXPECT_TRUE(ShowsHoleCard(Buffer(), table, 0, 3, r));

  // Once it has acted and the turn has moved on, the cards are hidden again.
  TableInput call;
  call.key = KeyDigit1;
  OnTableInput(table, session, rng, ui, call);
  ASSERT_FALSE(NextTurn(table).code == TurnAct && NextTurn(table).seat == 0);
  EXPECT_FALSE(ShowsAnyHoleCard(Buffer(), table, 0, r));
  view.DrawFullTable(table, false);
  EXPECT_FALSE(ShowsAnyHoleCard(Buffer(), table, 0, r));
}

TEST_F(Seats, RedrawingOneSeatLeavesNothingOfItsOldPicture) {
  DealOrderedDeck(table, 2);
  session.showAmounts = true;
  table.players[0].chips = 100;
  view.DrawFullTable(table, false);
  // The seat bets: fewer chips and a shorter amount.
  table.players[0].chips = 95;
  table.players[0].inPot = 5;
  ui.DrawSeat(table, 0);
  const QImage once = Buffer().copy(0, 0, 60, 60);
  view.FillFelt(kTableRect);
  view.DrawSeat(table, 0, false, SeatRectOf(0));
  EXPECT_EQ(Buffer().copy(0, 0, 60, 60), once);
}

}  // namespace
}  // namespace qf::test
