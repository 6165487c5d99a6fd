// The push of an action button and the dealing of board cards.
#include <algorithm>

#include "view/table_view.h"

namespace qf {

namespace {

constexpr int kPushShift = 2;
constexpr int kPushPauseMs = 60;
constexpr int kRevealPauseMs = 20;
// Pause after each presented frame of the sliding board cards: a flop's 48
// frames and three reveals take about a third of a second.
constexpr int kSlideFramePauseMs = 5;

}  // namespace

void TableView::AnimateButtonPush(const Rect& hit) {
  const Rect saved{hit.left + kScratchOffset, hit.top, hit.right + kScratchOffset, hit.bottom};
  canvas_.CopyBlock(hit, saved.left, saved.top);
  FillFelt(hit);
  canvas_.CopyBlock(saved, hit.left + kPushShift, hit.top + kPushShift);
  Present();
  Pause(kPushPauseMs);
  FillFelt({hit.left + kPushShift, hit.top + kPushShift, hit.right + kPushShift,
            hit.bottom + kPushShift});
  canvas_.CopyBlock(saved, hit.left, hit.top);
  Present();
}

void TableView::AnimateBoardDeal(TableRecord& table, int seat, bool allNew) {
  const int s = seat >= 0 ? seat : 0;
  if (s >= kSeatCount) return;
  const Rect centre = CentreRect(table);

  if (table.animateCards == 0) {
    if (seat >= 0) {
      RedrawSeat(table, seat);
    } else {
      CentreOptions options;
      options.skipPot = true;
      DrawCentre(table, centre, options);
    }
    return;
  }

  const int cards = table.players[s].cardsSeen;
  const int hole = table.holeCards;
  if (cards <= hole) {  // a seat's hole cards, or no board yet
    RedrawSeat(table, s);
    return;
  }

  // The frames are shown, so they keep the pot area in place.
  const Turn turn = NextTurn(table);
  CentreOptions options;
  options.otherCardsOffset = kTableRect.right;
  options.firstCardOffset = kTableRect.right;
  if (cards > hole + 3 && !allNew) {
    options.hideBoardCard[static_cast<size_t>(std::min(cards - hole - 1, 4))] = true;
    options.firstCardOffset = 0;
  } else {
    options.hideBoardCard.fill(true);
  }
  // The cards come from beyond the table picture: right of it they cross
  // whatever the table shows there (felt, in the six-seat layout), which each
  // frame puts back before drawing the centre.
  const Rect beyond{centre.right, centre.top, kTableRect.right, centre.bottom};
  const QImage under =
      canvas_.Image().copy(beyond.left, beyond.top, beyond.Width(), beyond.Height());
  auto frame = [&] {
    canvas_.Blit(under, beyond.left, beyond.top);
    DrawCentreWithTurn(table, centre, options, turn);
    Present();
  };
  while (options.firstCardOffset != 0) {
    options.firstCardOffset = options.firstCardOffset * 5 / 6;
    frame();
    Pause(kSlideFramePauseMs);
  }
  while (options.otherCardsOffset != 0) {
    options.otherCardsOffset = options.otherCardsOffset * 5 / 6;
    frame();
    Pause(kSlideFramePauseMs);
  }
  frame();
  options.firstCardOffset = 0;
  options.otherCardsOffset = 0;
  for (bool& hidden : options.hideBoardCard) {
    if (!hidden) continue;
    hidden = false;
    Pause(kRevealPauseMs);
    frame();
  }
  DrawCentreWithTurn(table, centre, options, turn);
  RedrawSeat(table, s);
  Present();
}

}  // namespace qf
