// Seat labels and the pot label: glyph text, shown by the two toggles, in red
// or green by the rules of the table.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/table_defaults.h"
#include "view/glyphs.h"
#include "view_test_support.h"

namespace qf::test {
namespace {

// Cells of the glyph pictures.
constexpr GlyphCell kDollar{0, 0};
constexpr GlyphCell kColon{77, 0};
constexpr GlyphCell kBlank{84, 0};
constexpr GlyphCell Digit(int d) {
  return {7 + 7 * d, 0};
}
constexpr GlyphCell Capital(char c) {
  return {7 * (c - 'A'), 11};
}
constexpr GlyphCell Small(char c) {
  return {7 * (c - 'a'), 22};
}

class Labels : public ViewTest {
 protected:
  Labels() { DealOrderedDeck(table, 2); }

  // The cells stand side by side from (x, y) in the colour given.
  bool ShowsCells(int x, int y, std::initializer_list<GlyphCell> cells, bool red) {
    for (const GlyphCell& cell : cells) {
      if (!ShowsGlyph(Buffer(), x, y, cell.x, cell.y, red)) return false;
      x += 7;
    }
    return true;
  }

  void DrawSeatAlone(int seat, bool showdown = false) {
    view.FillFelt(kTableRect);
    view.DrawSeat(table, seat, showdown, SeatRectOf(seat));
  }
};

TEST_F(Labels, TogglesDecideWhichLinesAppear) {
  const Rect r = SeatRectOf(1);  // "Zena", 200 chips
  const auto name = {Capital('Z'), Small('e'), Small('n'), Small('a')};
  const auto amount = {kDollar, Digit(2), Digit(0), Digit(0)};
  table.players[1].inPot = 10;
  table.players[2].inPot = 10;

  DrawSeatAlone(1);  // both off: no label at all
  EXPECT_FALSE(ShowsCells(r.left + 6, r.top + 12, name, false));
  EXPECT_TRUE(IsFelt(Buffer(), {r.left, r.bottom - 15, r.right, r.bottom - 4}));

  session.showNames = true;
  DrawSeatAlone(1);
  EXPECT_TRUE(ShowsCells(r.left + 6, r.top + 12, name, false));
  EXPECT_TRUE(IsFelt(Buffer(), {r.left, r.bottom - 15, r.right, r.bottom - 4}));

  session.showNames = false;
  session.showAmounts = true;
  DrawSeatAlone(1);
  EXPECT_FALSE(ShowsCells(r.left + 6, r.top + 12, name, false));
  EXPECT_TRUE(ShowsCells(r.left, r.bottom - 15, amount, false));
}

TEST_F(Labels, NameTurnsRedForAWinnerAndTheAmountIncludesTheWinningsUnwrapped) {
  session.showNames = session.showAmounts = true;
  table.players[1].chips = 4294967295u;
  table.players[1].winnings = 45;
  DrawSeatAlone(1);
  const Rect r = SeatRectOf(1);
  EXPECT_TRUE(ShowsCells(r.left + 6, r.top + 12, {Capital('Z'), Small('e')}, true));
  EXPECT_TRUE(ShowsCells(r.left, r.bottom - 15,
                         {kDollar, Digit(4), Digit(2), Digit(9), Digit(4), Digit(9), Digit(6),
                          Digit(7), Digit(3), Digit(4), Digit(0)},
                         false));
}

TEST_F(Labels, AmountTurnsRedBelowTenBaseBets) {
  session.showAmounts = true;
  table.baseBet = 2;
  const Rect r = SeatRectOf(1);
  table.players[1].chips = 19;
  DrawSeatAlone(1);
  EXPECT_TRUE(ShowsCells(r.left, r.bottom - 15, {kDollar, Digit(1), Digit(9)}, true));
  table.players[1].chips = 20;
  DrawSeatAlone(1);
  EXPECT_TRUE(ShowsCells(r.left, r.bottom - 15, {kDollar, Digit(2), Digit(0)}, false));
}

TEST_F(Labels, AllInIsRedOnlyForTheSoleLeadingBettor) {
  session.showNames = true;
  const Rect r = SeatRectOf(1);
  const auto allIn = {Capital('A'), Small('l'), Small('l'), kBlank, Capital('I'), Small('n')};
  table.players[1].chips = 0;
  table.players[1].inPot = 200;
  table.players[4].inPot = 150;
  // An inactive seat's stake does not count.
  table.players[7].kind = KindInactive;
  table.players[7].inPot = 500;
  DrawSeatAlone(1);
  EXPECT_TRUE(ShowsCells(r.left, r.top + 30, allIn, true));
  table.players[4].inPot = 200;  // an equal stake: no leader
  DrawSeatAlone(1);
  EXPECT_TRUE(ShowsCells(r.left, r.top + 30, allIn, false));
}

TEST_F(Labels, HandNameAtTheShowdownReplacesAllIn) {
  session.showNames = true;
  const Rect r = SeatRectOf(1);
  table.players[1].chips = 0;
  // With the whole board out seat 1 (5s 6s) has a straight flush in hearts.
  table.players[1].cardsSeen = static_cast<uint8_t>(table.holeCards + 5);
  DrawSeatAlone(1, true);
  // "S-Flush": six glyphs, the hyphen skipped without a gap.
  EXPECT_TRUE(ShowsCells(
      r.left, r.top + 30,
      {Capital('S'), Capital('F'), Small('l'), Small('u'), Small('s'), Small('h')}, false));
  EXPECT_TRUE(IsFelt(Buffer(), {r.left + 42, r.top + 30, r.left + 49, r.top + 41}));
  // Without the showdown, or with the board short, the seat is still All In.
  DrawSeatAlone(1, false);
  EXPECT_TRUE(ShowsCells(r.left, r.top + 30, {Capital('A'), Small('l')}, false));
  table.players[1].cardsSeen = static_cast<uint8_t>(table.holeCards + 4);
  DrawSeatAlone(1, true);
  EXPECT_TRUE(ShowsCells(r.left, r.top + 30, {Capital('A'), Small('l')}, false));
}

TEST_F(Labels, PotLabelShowsTheWholeTotalInGreen) {
  table.players[2].inPot = 12;
  table.players[5].inPot = 18;
  view.DrawCentre(table, TableView::CentreRect(table), {});
  EXPECT_FALSE(ShowsGlyph(Buffer(), 160, 82, 105, 11, false));  // amounts are off

  session.showAmounts = true;
  view.DrawCentre(table, TableView::CentreRect(table), {});
  EXPECT_TRUE(ShowsCells(
      160, 82, {Capital('P'), Capital('O'), Capital('T'), kColon, kDollar, Digit(3), Digit(0)},
      false));

  // Once somebody has won, the label counts the winnings.
  table.players[5].winnings = 27;
  view.DrawCentre(table, TableView::CentreRect(table), {});
  EXPECT_TRUE(ShowsCells(188, 82, {kDollar, Digit(2), Digit(7)}, false));

  // A total beyond 16 and 32 bits is shown whole, moved left to end on the table.
  table.players[5].winnings = 0;
  table.players[2].inPot = 4294967295u;
  table.players[5].inPot = 10;
  view.DrawCentre(table, TableView::CentreRect(table), {});
  EXPECT_TRUE(ShowsCells(240 - 11 * 7, 82,
                         {kDollar, Digit(4), Digit(2), Digit(9), Digit(4), Digit(9), Digit(6),
                          Digit(7), Digit(3), Digit(0), Digit(5)},
                         false));
}

}  // namespace
}  // namespace qf::test
