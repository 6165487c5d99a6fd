// Where seats, the centre, the pot cells and the board stand in both layouts.
// (The golden tables show what is drawn there.)
#include <gtest/gtest.h>

#include "view_test_support.h"

namespace qf::test {
namespace {

using Layout = ViewTest;

TEST_F(Layout, RectanglesOfBothLayouts) {
  // clang-format off
  const Rect tenSeats[10] = {{0, 0, 60, 60}, {60, 0, 120, 60}, {120, 0, 180, 60},
      {180, 0, 240, 60}, {180, 180, 240, 240}, {120, 180, 180, 240}, {60, 180, 120, 240},
      {0, 180, 60, 240}, {0, 120, 60, 180}, {0, 60, 60, 120}};
  const Rect tenPotCells[10] = {{60, 60, 105, 90}, {105, 60, 150, 90}, {150, 60, 195, 90},
      {195, 60, 240, 90}, {195, 150, 240, 180}, {150, 150, 195, 180}, {105, 150, 150, 180},
      {60, 150, 105, 180}, {60, 120, 105, 150}, {60, 90, 105, 120}};
  const Rect sixSeats[6] = {{15, 0, 80, 60}, {95, 0, 160, 60}, {175, 0, 240, 60},
      {175, 180, 240, 240}, {95, 180, 160, 240}, {15, 180, 80, 240}};
  const Rect sixPotCells[6] = {{40, 60, 88, 90}, {103, 60, 151, 90}, {166, 60, 214, 90},
      {166, 150, 214, 180}, {103, 150, 151, 180}, {40, 150, 88, 180}};
  // clang-format on
  for (uint8_t small : {0, 1}) {
    table.smallTable = small;
    for (int seat = 0; seat < (small ? 6 : 10); ++seat) {
      SCOPED_TRACE(::testing::Message() << "layout " << int{small} << " seat " << seat);
      EXPECT_EQ(SeatRectOf(seat), small ? sixSeats[seat] : tenSeats[seat]);
      EXPECT_EQ(qf::SeatRectOf(small, TableView::CentreRect(table), seat),
                small ? sixPotCells[seat] : tenPotCells[seat]);
    }
  }
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

TEST_F(Layout, SixSeatTableNeverDrawsTheSeatsItHasNoPlaceFor) {
  SetUpTable(table, true, true, KindHuman);
  DealOrderedDeck(table, 0);
  for (int seat = 6; seat < 10; ++seat) table.players[seat].kind = KindSmart;
  view.DrawFullTable(table, false);
  // The left strip of each seat row and the gaps beside the centre stay felt.
  EXPECT_TRUE(IsFelt(Buffer(), {0, 0, 15, 60}));
  EXPECT_TRUE(IsFelt(Buffer(), {0, 180, 15, 240}));
  EXPECT_TRUE(IsFelt(Buffer(), {0, 60, 25, 180}));
  EXPECT_TRUE(IsFelt(Buffer(), {215, 60, 240, 180}));
}

TEST_F(Layout, BoardCardsShowTheirFaceInARowTwoPixelsApart) {
  for (bool six : {false, true}) {
    SCOPED_TRACE(six);
    SetUpTable(table, six, six, KindHuman);
    DealOrderedDeck(table, table.holeCards + 5);
    table.cardsDealt = static_cast<uint8_t>(table.holeCards + 5);
    view.DrawFullTable(table, false);
    for (int i = 0; i < 5; ++i) {
      const int c = table.deck[41 + table.holeCards + i] - 1;
      EXPECT_TRUE(ShowsPicture(Buffer(), picture::kCardSheet, (six ? 55 : 105) + 27 * i, 100,
                               25 * (c % 13), 40 * (c / 13), 25, 40))
          << "board card " << i;
    }
  }
  // Codes outside the deck draw nothing.
  view.FillFelt(kTableRect);
  for (int code : {-1, 0, 53, -14, 255}) view.DrawCard(code, 100, 100);
  EXPECT_TRUE(IsFelt(Buffer(), {100, 100, 125, 140}));
}

}  // namespace
}  // namespace qf::test
