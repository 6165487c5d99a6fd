// What the view does over time or as the game asks: where the layouts put
// things, whose hole cards show when, single-seat redraws, and the buttons'
// labels, focus and pressed look. (The goldens show the drawings themselves.)
#include <gtest/gtest.h>

#include "flow/button_bar.h"
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

constexpr int kFaceX[4] = {0, 5, 80, 155};

// The lower rows of the face, below where a one-line label is written.
bool ShowsFace(const QImage& buffer, int button, bool lit) {
  return ShowsPicture(buffer, lit ? picture::kButtonLit : picture::kButtonPlain, kFaceX[button],
                      244 + 17, 0, 17, 65, 4);
}

class Buttons : public ViewTest {
 protected:
  Buttons() {
    view.FillFelt(kWholeArea);
    session.buttonLabel = {"Call 4", "Raise", "Fold"};
    for (int n = 1; n <= 3; ++n) {
      ui.DrawButton(n, session.buttonLabel[n - 1], false);
      session.buttonShown[n - 1] = true;
    }
  }
  void ExpectLit(int lit) {
    for (int n = 1; n <= 3; ++n) EXPECT_TRUE(ShowsFace(Buffer(), n, n == lit)) << n;
  }
};

TEST_F(Buttons, LabelsAreWhiteAndCentredInTheHitRectangle) {
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE(n);
    const Rect hit = ButtonHitRect(n);
    ui.DrawButton(n, "", false);
    const QImage bare = Buffer().copy();
    ui.DrawButton(n, session.buttonLabel[n - 1], false);
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

TEST_F(Buttons, FocusPressAndTrack) {
  session.focusedButton = 3;
  ShowButtonFocus(session, ui);
  ExpectLit(3);
  // The focused middle button vanishes: the left one is lit.
  session.focusedButton = 2;
  session.buttonLabel[1].clear();
  session.buttonShown[1] = false;
  ui.EraseButton(2);
  ShowButtonFocus(session, ui);
  EXPECT_EQ(session.focusedButton, 1);
  EXPECT_TRUE(ShowsFace(Buffer(), 1, true));
  session.buttonLabel[1] = "Raise";
  session.buttonShown[1] = true;

  // Button 1 is lit while pressed: by the stylus, or by Enter while it has the focus.
  for (const int key : {0, 13}) {
    ui.DrawButton(1, "Call 4", false);
    PressButtons(session, ui, key, key == 0 ? 20 : 0, 250);
    EXPECT_TRUE(ShowsFace(Buffer(), 1, true)) << key;
  }
  const Rect hit = ButtonHitRect(2);
  PressButtons(session, ui, 0, hit.left + 10, hit.top + 5);  // stylus down on button 2
  EXPECT_TRUE(ShowsFace(Buffer(), 2, true));
  TrackButtons(session, ui, hit.left + 10, 200);  // moved off it
  EXPECT_TRUE(ShowsFace(Buffer(), 2, false));
  TrackButtons(session, ui, hit.left + 12, hit.top + 8);  // and back
  EXPECT_TRUE(ShowsFace(Buffer(), 2, true));
  session.buttonPressed = false;  // a move with nothing pressed: all plain
  TrackButtons(session, ui, hit.left + 12, hit.top + 8);
  ExpectLit(0);
  PressButtons(session, ui, '3', 0, 0);  // the digit 3 lights button 3 only
  ExpectLit(3);
}

}  // namespace
}  // namespace qf::test
