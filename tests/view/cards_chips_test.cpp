// Chip stacks by denomination.
#include <gtest/gtest.h>

#include "view_test_support.h"

namespace qf::test {
namespace {

using CardsAndChips = ViewTest;

// A wide rectangle (columns 13 pixels apart) so each column can be seen whole.
constexpr Rect kStackArea{100, 10, 160, 70};
constexpr int kStart = 70 - 10 - 10;  // offset of the lowest chip
constexpr int kColumnStep = (60 - 5) / 4;
constexpr int kColumnChips[4] = {picture::kChip100, picture::kChip25, picture::kChip5,
                                 picture::kChip1};

// How many chips stand in each column: the top chip shows whole, and nothing
// but felt lies above it.
void ExpectColumns(const QImage& buffer, const int (&want)[4]) {
  for (int column = 0; column < 4; ++column) {
    SCOPED_TRACE(column);
    const int x = kStackArea.left + column * kColumnStep;
    const int n = want[column];
    if (n == 0) {
      EXPECT_TRUE(IsFelt(buffer, {x, kStackArea.top, x + kColumnStep, kStackArea.bottom}));
      continue;
    }
    const int topY = kStackArea.top + kStart - 2 * (n - 1);
    EXPECT_TRUE(ShowsPicture(buffer, kColumnChips[column], x, topY));
    EXPECT_TRUE(IsFelt(buffer, {x, kStackArea.top, x + 9, topY}));
    // Below the lowest chip the felt is untouched.
    EXPECT_TRUE(IsFelt(buffer, {x, kStackArea.top + kStart + 10, x + 9, kStackArea.bottom}));
  }
}

TEST_F(CardsAndChips, ABetOf100IsOneChipAndAStackOf100IsSmallChange) {
  view.FillFelt(kTableRect);
  view.DrawChipStack(kStackArea, 100, false);
  ExpectColumns(Buffer(), {1, 0, 0, 0});
  view.FillFelt(kTableRect);
  view.DrawChipStack(kStackArea, 100, true);
  ExpectColumns(Buffer(), {0, 3, 4, 5});
  view.FillFelt(kTableRect);
  view.DrawChipStack(kStackArea, 238, false);
  ExpectColumns(Buffer(), {2, 1, 2, 3});
}

TEST_F(CardsAndChips, ColumnsAreCappedByTheRectangleHeight) {
  // A seat's own chips: 15 to a column; what does not fit passes on.
  const Rect seatChips{0, 0, 40, 39};
  view.FillFelt(kTableRect);
  view.DrawChipStack(seatChips, 100000, true);
  // Every column full: the top chip of each stands at offset 1.
  for (int column = 0; column < 4; ++column) {
    SCOPED_TRACE(column);
    EXPECT_TRUE(ShowsPicture(Buffer(), kColumnChips[column], 8 * column, 1, 0, 0, 8, 10));
    EXPECT_TRUE(IsFelt(Buffer(), {8 * column, 0, 8 * column + 8, 1}));
  }
  // 15 hundreds (the cap) and then three 25s: the 25 column holds 3 chips.
  view.FillFelt(kTableRect);
  view.DrawChipStack(kStackArea, 100 * 25 + 75, false);
  ExpectColumns(Buffer(), {25, 3, 0, 0});
}

}  // namespace
}  // namespace qf::test
