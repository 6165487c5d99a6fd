// Seat labels and the glyph text they are drawn with.
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/deck.h"
#include "engine/evaluate.h"
#include "view/glyphs.h"
#include "view/table_view.h"

namespace qf {

bool FindGlyphCell(char c, GlyphCell& cell) {
  if (c >= 'A' && c <= 'Z') {
    cell = {kGlyphWidth * (c - 'A'), 11};
  } else if (c >= 'a' && c <= 'z') {
    cell = {kGlyphWidth * (c - 'a'), 22};
  } else if (c >= '0' && c <= '9') {
    cell = {kGlyphWidth + kGlyphWidth * (c - '0'), 0};
  } else if (c == '$') {
    cell = {0, 0};
  } else if (c == ':') {
    cell = {77, 0};
  } else if (c == ' ') {
    cell = {84, 0};
  } else {
    return false;
  }
  return true;
}

void TableView::DrawGlyphText(std::string_view text, int x, int y, int colourCode) {
  const int sheet = colourCode == kLabelRed ? picture::kGlyphsRed : picture::kGlyphsGreen;
  for (char c : text) {
    GlyphCell cell;
    if (!FindGlyphCell(c, cell)) continue;  // no glyph: dropped without a gap
    DrawPicturePart(sheet, x, y, cell.x, cell.y, kGlyphWidth, kGlyphHeight);
    x += kGlyphWidth;
  }
}

namespace {

// True when the seat has put more into the pot than every other seat in play.
bool LeadsTheBetting(const TableRecord& table, int seat) {
  const uint32_t mine = table.players[seat].inPot;
  for (int other = 0; other < kSeatCount; ++other) {
    if (other == seat || table.players[other].kind == KindInactive) continue;
    if (table.players[other].inPot >= mine) return false;
  }
  return true;
}

// "All In" for a seat without chips; at the showdown with the whole board
// out, the name of its best hand instead.
std::string SecondLine(const TableRecord& table, int seat, bool showdown) {
  const PlayerRecord& p = table.players[seat];
  std::string text;
  if (p.chips == 0) text = "All In";
  if (p.status == StatusToAct && showdown && p.cardsSeen == table.holeCards + 5) {
    uint8_t cards[kMaxCards];
    const int n = SeatCards(table, seat, cards);
    const uint32_t category = CategoryOf(EvaluateBest(cards, n, table.holeCards));
    if (category <= CategoryStraightFlush) text = CategoryName(category);
  }
  return text;
}

}  // namespace

void TableView::DrawSeatLabels(const TableRecord& table, int seat, bool showdown,
                               const Rect& rect) {
  if (IsOutOrInactive(table, seat)) return;
  if (!session_.showNames && !session_.showAmounts) return;
  const PlayerRecord& p = table.players[seat];
  const int L = rect.left, T = rect.top, B = rect.bottom;
  if (session_.showNames) {
    const std::string_view name(p.name, strnlen(p.name, sizeof p.name));
    DrawGlyphText(name, L + 6, T + 12, p.winnings != 0 ? kLabelRed : kLabelGreen);
    DrawGlyphText(SecondLine(table, seat, showdown), L, T + (B - T) / 2,
                  LeadsTheBetting(table, seat) ? kLabelRed : kLabelGreen);
  }
  if (session_.showAmounts) {
    const uint64_t shown = uint64_t{p.chips} + p.winnings;
    const bool shortStack = uint64_t{p.chips} < uint64_t{10} * table.baseBet;
    char amount[32];
    std::snprintf(amount, sizeof amount, "$%llu", static_cast<unsigned long long>(shown));
    DrawGlyphText(amount, L, B - 15, shortStack ? kLabelRed : kLabelGreen);
  }
}

}  // namespace qf
