// Cards, chip stacks, portraits and whole seats.
#include <algorithm>
#include <array>

#include "engine/deck.h"
#include "engine/evaluate.h"
#include "view/seat_facts.h"
#include "view/table_view.h"

namespace qf {

namespace {

constexpr int kCardWidth = 25;
constexpr int kCardHeight = 40;
constexpr int kPortraitSize = 20;
constexpr int kTileSize = 20;

// Portrait strip of each seat.
constexpr std::array<int, kSeatCount> kPortraitStrips = {120, 121, 122, 123, 124,
                                                         125, 143, 144, 145, 142};

// The bubble a seat shows for its last action or its share of the pot; 0 for
// none. Once anybody has won, only the paid seats speak.
int BubbleFor(const PlayerRecord& p, bool anyWon) {
  if (p.isWinner != 0 && p.winnings != 0) return picture::kBubbleWin;
  if (p.winnings != 0) return picture::kBubbleCollect;
  if (anyWon) return 0;
  switch (p.lastAction) {
    case 1:
    case 2:
    case 3:
      return picture::kBubbleAnte;
    case ActionBet:
      return picture::kBubbleBet;
    case ActionRaise:
      return picture::kBubbleRaise;
    case ActionCall:
      return picture::kBubbleCall;
    case ActionCheck:
      return picture::kBubbleCheck;
    default:
      return 0;
  }
}

}  // namespace

void TableView::DrawCard(int code, int x, int y) {
  if (code < 1 || code > kDeckSize) return;
  const int c = code - 1;
  DrawPicturePart(picture::kCardSheet, x, y, kCardWidth * (c % 13), kCardHeight * (c / 13),
                  kCardWidth, kCardHeight);
}

void TableView::DrawChipStack(const Rect& area, uint32_t amount, bool strict) {
  struct Column {
    int chip;
    uint32_t worth;
  };
  static constexpr std::array<Column, 4> kColumns = {{{picture::kChip100, 100},
                                                      {picture::kChip25, 25},
                                                      {picture::kChip5, 5},
                                                      {picture::kChip1, 1}}};
  const int step = (area.right - 5 - area.left) / 4;
  const int start = area.bottom - area.top - 10;
  const uint32_t extra = strict ? 1 : 0;
  uint64_t left = amount;
  for (size_t column = 0; column < kColumns.size(); ++column) {
    const Column& c = kColumns[column];
    // The last column takes whatever is left, strict or not.
    const uint64_t least = column + 1 == kColumns.size() ? 1 : c.worth + extra;
    const int x = area.left + static_cast<int>(column) * step;
    for (int offset = start; left >= least && offset > 0; offset -= 2) {
      DrawPicture(c.chip, x, area.top + offset);
      left -= c.worth;
    }
  }
}

void TableView::DrawPortrait(int seat, int x, int y, int frame) {
  if (seat < 0 || seat >= kSeatCount) return;
  DrawPicturePart(kPortraitStrips[static_cast<size_t>(seat)], x, y, kPortraitSize * frame, 0,
                  kPortraitSize, kPortraitSize);
}

void TableView::DrawSeat(TableRecord& table, int seat, bool showdown, const Rect& rect) {
  if (!SeatInLayout(table, seat)) return;
  Turn turn;
  // Only a Hidden Human seat's cards depend on whose turn it is.
  if (table.players[seat].kind == KindHiddenHuman && !showdown) turn = NextTurn(table);
  DrawSeatWithTurn(table, seat, showdown, rect, turn);
}

void TableView::DrawSeatWithTurn(TableRecord& table, int seat, bool showdown, const Rect& rect,
                                 const Turn& turn) {
  if (!SeatInLayout(table, seat)) return;
  const PlayerRecord& p = table.players[seat];
  const int L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
  const int tileX = L + (R - L) / 2 - kTileSize / 2;
  const int tileY = T + (B - T) / 2 - kTileSize / 2;
  const bool isDealer = table.dealer == seat;

  if (p.status == StatusFolded) {
    DrawPicture(picture::kFoldTile, tileX, tileY);
    if (isDealer) DrawPicture(picture::kDealerMarker, L, T);
    DrawSeatLabels(table, seat, showdown, rect);
    return;
  }
  if (p.kind == KindInactive) {
    DrawPicture(picture::kOutTile, tileX, tileY);
    DrawSeatLabels(table, seat, showdown, rect);
    return;
  }

  // Portrait: a computer's face follows the strength of what it holds.
  if (p.status == StatusOut) {
    DrawPicture(picture::kFoldTile, L, T);
  } else if (IsHumanKind(p.kind)) {
    DrawPicture(picture::kSilhouette, L, T);
  } else {
    uint8_t cards[kMaxCards];
    const int n = SeatCards(table, seat, cards);
    const uint32_t category = CategoryOf(EvaluateBest(cards, n, table.holeCards));
    DrawPortrait(seat, L, T, static_cast<int>(std::min<uint32_t>(category, 6)));
  }
  if (isDealer) DrawPicture(picture::kDealerMarker, L, T);

  // Own chips.
  const Rect chipArea =
      R - L > 80 ? Rect{R - 40, T, R, B} : Rect{L, T, L + std::min(R - L - 10, 40), B - 21};
  DrawChipStack(chipArea, p.chips, true);

  DrawSpeechBubble(table, seat, rect);
  DrawHoleCards(table, seat, showdown, rect, turn);
  DrawSeatLabels(table, seat, showdown, rect);
}

void TableView::DrawSpeechBubble(const TableRecord& table, int seat, const Rect& rect) {
  const PlayerRecord& p = table.players[seat];
  const bool anyWon = AnySeatWon(table);
  const int bubble = BubbleFor(p, anyWon);
  if (bubble != 0) {
    DrawPicture(bubble, std::min(rect.right - 24, rect.left + 15), rect.top);
  } else if (!anyWon && p.lastAction == ActionFold) {
    DrawPicture(picture::kFoldTile, rect.left, rect.top);  // over the portrait
  }
}

void TableView::DrawHoleCards(const TableRecord& table, int seat, bool showdown, const Rect& rect,
                              const Turn& turn) {
  if (IsOut(table, seat)) return;
  const PlayerRecord& p = table.players[seat];
  // A Hidden Human sees its own cards while it is the seat to act; the
  // players sharing the screen look away then.
  const bool ownTurn = p.kind == KindHiddenHuman && turn.code == TurnAct && turn.seat == seat;
  if (p.kind != KindHuman && !showdown && !ownTurn) return;
  uint8_t cards[kMaxCards];
  SeatCards(table, seat, cards);
  const int n =
      std::min({static_cast<int>(p.cardsSeen), static_cast<int>(table.holeCards), kMaxCards});
  for (int i = 0; i < n; ++i) DrawCard(cards[i], rect.left + 12 * i, rect.top + 15);
}

}  // namespace qf
