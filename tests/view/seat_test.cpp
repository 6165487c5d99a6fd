// What the goldens cannot show: where the layouts put things, whose hole
// cards show when, single-seat redraws, and where button labels are written.
#include <gtest/gtest.h>

#include "flow/table_input.h"
#include "view_test_support.h"

namespace qf::test {
namespace {

using Seats = ViewTest;

TEST_F(Seats, LayoutRectangles) {
  const struct {
    uint8_t small;
    int seat;
    Rect seatRect, potStack, centre, board;
  } cases[] = {
      {0, 0, {0, 0, 60, 60}, {62, 47, 103, 80}, {60, 60, 240, 180}, {105, 90, 240, 150}},
      {0, 9, {0, 60, 60, 120}, {62, 77, 103, 110}, {60, 60, 240, 180}, {105, 90, 240, 150}},
      {1, 0, {15, 0, 80, 60}, {42, 47, 86, 80}, {25, 60, 215, 180}, {25, 60, 215, 180}},
      {1, 3, {175, 180, 240, 240}, {168, 137, 212, 170}, {25, 60, 215, 180}, {25, 60, 215, 180}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "layout " << int{c.small} << " seat " << c.seat);
    table.smallTable = c.small;
    EXPECT_EQ(SeatRectOf(c.seat), c.seatRect);
    EXPECT_EQ(TableView::PotStackRect(table, c.seat), c.potStack);
    EXPECT_EQ(TableView::CentreRect(table), c.centre);
    EXPECT_EQ(TableView::BoardRect(table), c.board);
  }
}

TEST_F(Seats, HiddenHumanSeesItsCardsOnlyOnItsOwnTurn) {
  SetUpTable(table, false, true, KindHiddenHuman);
  // Hole card i shows at (12i, 15): the last whole, the others their left 12 pixels.
  const auto shown = [&] {
    int n = 0;
    for (int i = 0, c = table.deck[0] - 1; i < 4; c = table.deck[++i] - 1)
      n += ShowsPicture(Buffer(), picture::kCardSheet, 12 * i, 15, 25 * (c % 13), 40 * (c / 13),
                        i == 3 ? 24 : 12, 40);
    return n;
  };
  ASSERT_EQ(PlayUntil([](const Turn& t, const TableRecord& tb) {
              return t.code == TurnAct && t.seat == 0 && tb.players[0].cardsSeen == tb.holeCards;
            }).seat,
            0);
  view.DrawFullTable(table, false);
  EXPECT_EQ(shown(), 4);
  // The seat that acted before it is redrawn by the game: seat 0 comes along.
  view.FillFelt(SeatRectOf(0));
  ui.DrawSeat(table, 9);
  EXPECT_EQ(shown(), 4);
  // Once it has acted and the turn has moved on, the cards are hidden again.
  TableInput call;
  call.key = KeyDigit1;
  OnTableInput(table, session, rng, ui, call);
  ASSERT_FALSE(NextTurn(table).code == TurnAct && NextTurn(table).seat == 0);
  EXPECT_EQ(shown(), 0);
  view.DrawFullTable(table, false);
  EXPECT_EQ(shown(), 0);
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

TEST_F(ViewTest, ButtonLabelsAreWhiteAndCentredInTheHitRectangle) {
  view.FillFelt(kWholeArea);
  const char* labels[3] = {"Call 4", "Raise", "Fold"};
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE(n);
    const Rect hit = ButtonHitRect(n);
    ui.DrawButton(n, "", false);
    const QImage bare = Buffer().copy();
    ui.DrawButton(n, labels[n - 1], false);
    QRect ink;
    int white = 0;
    for (int y = 240; y < 269; ++y)
      for (int x = hit.left - 5; x < hit.right + 5; ++x) {
        if (bare.pixel(x, y) != Buffer().pixel(x, y)) ink |= QRect(x, y, 1, 1);
        white += hit.Contains(x, y) && (Buffer().pixel(x, y) & 0xFFFFFFu) == 0xFFFFFFu;
      }
    EXPECT_GT(white, 0);
    EXPECT_GE(ink.left(), hit.left);
    EXPECT_GE(ink.top(), hit.top);
    EXPECT_LE(std::abs((ink.left() - hit.left) - (hit.right - 1 - ink.right())), 2);
  }
}

}  // namespace
}  // namespace qf::test
