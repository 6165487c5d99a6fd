// Where seats, the centre, the pot cells and the board stand in both layouts,
// checked on the drawn table.
#include <gtest/gtest.h>

#include "engine/deck.h"
#include "view_test_support.h"

namespace qf::test {
namespace {

// The layout of the table as the players know it.
constexpr Rect kTenSeats[10] = {{0, 0, 60, 60},      {60, 0, 120, 60},     {120, 0, 180, 60},
                                {180, 0, 240, 60},   {180, 180, 240, 240}, {120, 180, 180, 240},
                                {60, 180, 120, 240}, {0, 180, 60, 240},    {0, 120, 60, 180},
                                {0, 60, 60, 120}};
constexpr Rect kTenPotCells[10] = {{60, 60, 105, 90},    {105, 60, 150, 90},   {150, 60, 195, 90},
                                   {195, 60, 240, 90},   {195, 150, 240, 180}, {150, 150, 195, 180},
                                   {105, 150, 150, 180}, {60, 150, 105, 180},  {60, 120, 105, 150},
                                   {60, 90, 105, 120}};
constexpr Rect kSixSeats[6] = {{15, 0, 80, 60},      {95, 0, 160, 60},    {175, 0, 240, 60},
                               {175, 180, 240, 240}, {95, 180, 160, 240}, {15, 180, 80, 240}};
constexpr Rect kSixPotCells[6] = {{40, 60, 88, 90},     {103, 60, 151, 90},   {166, 60, 214, 90},
                                  {166, 150, 214, 180}, {103, 150, 151, 180}, {40, 150, 88, 180}};

using Layout = ViewTest;

TEST_F(Layout, DerivedRectanglesOfBothLayouts) {
  table.smallTable = 0;
  EXPECT_EQ(TableView::CentreRect(table), (Rect{60, 60, 240, 180}));
  EXPECT_EQ(TableView::BoardRect(table), (Rect{105, 90, 240, 150}));
  // A bet stack stands in its pot cell shrunk by two, reaching 15 pixels up.
  EXPECT_EQ(TableView::PotStackRect(table, 0), (Rect{62, 47, 103, 80}));
  EXPECT_EQ(TableView::PotStackRect(table, 4), (Rect{197, 137, 238, 170}));
  table.smallTable = 1;
  EXPECT_EQ(TableView::CentreRect(table), (Rect{25, 60, 215, 180}));
  EXPECT_EQ(TableView::BoardRect(table), (Rect{25, 60, 215, 180}));
  EXPECT_EQ(TableView::PotStackRect(table, 3), (Rect{168, 137, 212, 170}));
}

TEST_F(Layout, PortraitsStandAtTheSeatCornersOfTheTenSeatTable) {
  DealOrderedDeck(table, 0);
  view.DrawFullTable(table, false);
  for (int seat = 0; seat < 10; ++seat) {
    SCOPED_TRACE(seat);
    const Rect r = kTenSeats[seat];
    EXPECT_EQ(SeatRectOf(seat), r);
    if (seat == 0) {
      EXPECT_TRUE(ShowsPicture(Buffer(), picture::kSilhouette, r.left, r.top));
    } else {
      // Computer seats between hands show their calm frame 0; the dealer's
      // marker covers the corner of its seat.
      const int strip = seat <= 5 ? 120 + seat : (seat == 9 ? 142 : 137 + seat);
      const int skip = seat == table.dealer ? 7 : 0;
      EXPECT_TRUE(ShowsPicture(Buffer(), strip, r.left, r.top + skip, 0, skip, 20, 20 - skip));
    }
  }
}

TEST_F(Layout, SixSeatTableDrawsSixSeatsAndLeavesTheRestFelt) {
  SetUpTable(table, true, true, KindHuman);
  // Seats the layout has no place for are never drawn, even when in play.
  DealOrderedDeck(table, 0);
  table.players[7].kind = KindSmart;
  view.DrawFullTable(table, false);
  for (int seat = 0; seat < 6; ++seat) {
    SCOPED_TRACE(seat);
    const Rect r = kSixSeats[seat];
    EXPECT_EQ(SeatRectOf(seat), r);
    const int id = seat == 0 ? static_cast<int>(picture::kSilhouette) : 120 + seat;
    const int skip = seat == table.dealer ? 7 : 0;
    EXPECT_TRUE(ShowsPicture(Buffer(), id, r.left, r.top + skip, 0, skip, 20, 20 - skip));
  }
  // The left strip of each seat row and the gaps between seats stay felt.
  EXPECT_TRUE(IsFelt(Buffer(), {0, 0, 15, 60}));
  EXPECT_TRUE(IsFelt(Buffer(), {0, 180, 15, 240}));
  EXPECT_TRUE(IsFelt(Buffer(), {0, 60, 25, 180}));
  EXPECT_TRUE(IsFelt(Buffer(), {215, 60, 240, 180}));
}

TEST_F(Layout, BetsStandInThePotCellsOfBothLayouts) {
  for (bool six : {false, true}) {
    SCOPED_TRACE(six);
    SetUpTable(table, six, false, KindHuman);
    DealOrderedDeck(table, 2);
    const int seats = six ? 6 : 10;
    for (int seat = 0; seat < seats; ++seat) table.players[seat].inPot = 1;
    view.DrawFullTable(table, false);
    for (int seat = 0; seat < seats; ++seat) {
      SCOPED_TRACE(seat);
      const Rect cell = six ? kSixPotCells[seat] : kTenPotCells[seat];
      // One white chip in the last column, at the bottom of the stack: the
      // stack's rectangle is the cell shrunk by two, 15 up, 8 short below.
      const Rect stack{cell.left + 2, cell.top - 13, cell.right - 2, cell.bottom - 10};
      const int q = (stack.right - 5 - stack.left) / 4;
      EXPECT_TRUE(ShowsPicture(Buffer(), picture::kChip1, stack.left + 3 * q,
                               stack.top + stack.bottom - stack.top - 10));
    }
  }
}

TEST_F(Layout, BoardCardsLieInARowTwoPixelsApart) {
  for (bool six : {false, true}) {
    SCOPED_TRACE(six);
    SetUpTable(table, six, six, KindHuman);
    DealOrderedDeck(table, table.holeCards + 5);
    table.cardsDealt = static_cast<uint8_t>(table.holeCards + 5);
    view.DrawFullTable(table, false);
    const QImage sheet = StoredPicture(picture::kCardSheet);
    for (int i = 0; i < 5; ++i) {
      const int code = table.deck[41 + table.holeCards + i];
      const int c = code - 1;
      const int x = (six ? 55 : 105) + 27 * i;
      EXPECT_TRUE(
          ShowsPicture(Buffer(), picture::kCardSheet, x, 100, 25 * (c % 13), 40 * (c / 13), 25, 40))
          << "board card " << i;
    }
  }
}

}  // namespace
}  // namespace qf::test
