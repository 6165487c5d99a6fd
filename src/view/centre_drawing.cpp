// The centre of the table: the table picture in the table colour, the bets
// and winnings in the pot grid, the turn marker, the pot label and the board.
#include <algorithm>
#include <cstdio>

#include "engine/deck.h"
#include "view/glyphs.h"
#include "view/seat_facts.h"
#include "view/table_view.h"

namespace qf {

namespace {

constexpr int kBoardCards = 5;
constexpr int kBoardCardStep = 27;
constexpr int kBoardCardWidth = 25;
constexpr int kBoardCardHeight = 40;
constexpr int kPotLabelX = 160;
constexpr int kPotLabelY = 82;

Rect Shrunk(const Rect& r, int by) {
  return {r.left + by, r.top + by, r.right - by, r.bottom - by};
}

}  // namespace

void TableView::DrawTableImage(const TableRecord& table) {
  const Rect centre = CentreRect(table);
  const int L = centre.left, T = centre.top;
  DrawPicture(picture::kTable, L, T);
  // The table colour replaces the picture's own cloth, leaving the rim.
  canvas_.FillSolid({L + 9, T + 9, L + 180, T + 111}, PixelFromColorRef(table.tableColor));
}

void TableView::DrawCentre(TableRecord& table, const Rect& rect, const CentreOptions& options) {
  Turn turn;
  if (!options.skipPot) turn = NextTurn(table);
  DrawCentreWithTurn(table, rect, options, turn);
}

void TableView::DrawCentreWithTurn(TableRecord& table, const Rect& rect,
                                   const CentreOptions& options, const Turn& turn) {
  DrawTableImage(table);
  if (!options.skipPot) DrawPotAreaWithTurn(table, rect, turn);
  if (!options.skipBoard) DrawBoard(table, rect, options);
}

namespace {

// Where the first board card of a full board stands.
void BoardOrigin(const TableRecord& table, const Rect& centre, int& x0, int& y) {
  const Rect b = SeatRectOf(table.smallTable, centre, -1);
  if (table.smallTable == 1) {
    x0 = b.left + 30;
    y = b.top + (b.bottom - b.top) / 3;
  } else {
    x0 = b.left;
    y = b.top + (b.bottom - b.top) / 4 - 5;
  }
}

}  // namespace

Rect TableView::BoardCardsRect(const TableRecord& table) {
  int x0 = 0, y = 0;
  BoardOrigin(table, CentreRect(table), x0, y);
  return {x0, y, x0 + kBoardCardStep * (kBoardCards - 1) + kBoardCardWidth, y + kBoardCardHeight};
}

void TableView::DrawBoard(const TableRecord& table, const Rect& rect,
                          const CentreOptions& options) {
  uint8_t cards[kMaxCards];
  SeatCards(table, 0, cards);
  const int hole = table.holeCards;
  const int n = std::clamp(static_cast<int>(table.players[0].cardsSeen) - hole, 0,
                           std::min(kBoardCards, kMaxCards - hole));
  int x0 = 0, y = 0;
  BoardOrigin(table, rect, x0, y);
  for (int i = 0; i < n; ++i) {
    int x = x0 + kBoardCardStep * i;
    // A hidden card is on its way in from the right.
    if (options.hideBoardCard[static_cast<size_t>(i)]) {
      x += i == 0 ? options.firstCardOffset : options.otherCardsOffset;
    }
    DrawCard(cards[hole + i], x, y);
  }
}

void TableView::DrawPotArea(TableRecord& table, const Rect& rect) {
  DrawPotAreaWithTurn(table, rect, NextTurn(table));
}

void TableView::DrawPotAreaWithTurn(TableRecord& table, const Rect& rect, const Turn& turn) {
  const bool anyWon = AnySeatWon(table);
  const bool markTurn = turn.code == TurnForcedBet || turn.code == TurnAct;
  uint64_t total = 0;  // ten 32-bit amounts never wrap here
  for (int seat = 0; seat < kSeatCount; ++seat) {
    Rect cell;
    SeatRect(table.smallTable, rect, cell, seat);
    if (cell.Width() <= 0) continue;  // the layout has no place for this seat
    cell = Shrunk(cell, 1);
    if (markTurn && turn.seat == seat) {
      DrawPicture(picture::kTurnMarker, cell.left + 5, cell.top + 5);
    }
    cell = Shrunk(cell, 1);
    const PlayerRecord& p = table.players[seat];
    if (p.kind == KindInactive) continue;
    const uint32_t amount = anyWon ? p.winnings : p.inPot;
    DrawChipStack({cell.left, cell.top - 15, cell.right, cell.bottom - 8}, amount, false);
    total += amount;
  }
  if (session_.showAmounts && total != 0) {
    char label[32];
    const int length =
        std::snprintf(label, sizeof label, "POT:$%llu", static_cast<unsigned long long>(total));
    // A long total moves left so that its last digit stays on the table.
    DrawGlyphText(label, std::min(kPotLabelX, kTableWidth - kGlyphWidth * length), kPotLabelY,
                  kLabelGreen);
  }
}

}  // namespace qf
