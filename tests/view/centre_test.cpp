// The centre: table picture in the table colour, the turn marker, the board.
#include <gtest/gtest.h>

#include "view_test_support.h"

namespace qf::test {
namespace {

using Centre = ViewTest;

TEST_F(Centre, TableColourReplacesTheClothInsideTheRim) {
  table.tableColor = 0x00204080;  // blue 20, green 40, red 80
  view.DrawTableImage(table);
  EXPECT_TRUE(IsColour(Buffer(), {69, 69, 240, 171}, qRgb(0x80, 0x40, 0x20)));
  // The rim of the picture is left around it.
  EXPECT_TRUE(ShowsPicture(Buffer(), picture::kTable, 60, 60, 0, 0, 9, 120));
  EXPECT_TRUE(ShowsPicture(Buffer(), picture::kTable, 60, 60, 0, 0, 190, 9));
  EXPECT_FALSE(IsColour(Buffer(), {68, 69, 69, 171}, qRgb(0x80, 0x40, 0x20)));

  table.smallTable = 1;
  table.tableColor = 0x000000FF;
  view.DrawTableImage(table);
  EXPECT_TRUE(IsColour(Buffer(), {34, 69, 205, 171}, qRgb(0xFF, 0, 0)));
  EXPECT_TRUE(ShowsPicture(Buffer(), picture::kTable, 25, 171, 0, 111, 190, 9));
}

// The marker's place in a seat's pot cell: 6 pixels in from its corner.
bool ShowsTurnMarker(const QImage& buffer, const TableRecord& table, int seat) {
  const Rect cell = SeatRectOf(table.smallTable, TableView::CentreRect(table), seat);
  return ShowsPicture(buffer, picture::kTurnMarker, cell.left + 6, cell.top + 6);
}

TEST_F(Centre, TurnMarkerShowsOnlyWhoOwesABlindOrMustAct) {
  const TurnCode codes[] = {TurnForcedBet, TurnDeal, TurnAct, TurnShowdown};
  for (TurnCode code : codes) {
    SCOPED_TRACE(code);
    const Turn turn = PlayUntil(table, session, rng, ui, [code](const Turn& t, const TableRecord&) {
      return t.code == code;
    });
    ASSERT_EQ(turn.code, code);
    view.DrawFullTable(table, false);
    const bool marked = code == TurnForcedBet || code == TurnAct;
    for (int seat = 0; seat < 10; ++seat) {
      EXPECT_EQ(ShowsTurnMarker(Buffer(), table, seat), marked && seat == turn.seat) << seat;
    }
  }
  // The six-seat table marks the seat in its own cell.
  SetUpTable(table, true, true, KindHuman);
  const Turn turn = PlayUntil(table, session, rng, ui,
                              [](const Turn& t, const TableRecord&) { return t.code == TurnAct; });
  view.DrawFullTable(table, false);
  EXPECT_TRUE(ShowsTurnMarker(Buffer(), table, turn.seat));
}

TEST_F(Centre, DrawingTheCentreLeavesTheSeatsAlone) {
  DealOrderedDeck(table, table.holeCards + 3);
  view.DrawFullTable(table, false);
  const QImage before = Buffer().copy();
  table.players[3].inPot = 40;
  ui.DrawCentre(table);
  // Only the centre changes; the table picture's own white corners stay out.
  EXPECT_EQ(DifferingPixels(before, Buffer(), {0, 0, 240, 60}), 0);
  EXPECT_EQ(DifferingPixels(before, Buffer(), {0, 180, 240, 240}), 0);
  EXPECT_EQ(DifferingPixels(before, Buffer(), {0, 60, 60, 180}), 0);
  EXPECT_GT(DifferingPixels(before, Buffer(), {195, 60, 240, 90}), 0);
}

}  // namespace
}  // namespace qf::test
