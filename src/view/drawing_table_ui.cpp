#include "view/drawing_table_ui.h"

#include "engine/turn.h"

namespace qf {

void DrawingTableUi::DrawFullTable(TableRecord& table, bool withBoardDeal) {
  view_.DrawFullTable(table, withBoardDeal);
}

void DrawingTableUi::DrawSeat(TableRecord& table, int seat) {
  view_.RedrawSeat(table, seat);
  // The game redraws the seat that acted; when that hands the turn to a
  // Hidden Human, that seat is redrawn too so its owner sees the cards.
  const Turn turn = NextTurn(table);
  if (turn.code == TurnAct && turn.seat != seat && turn.seat >= 0 && turn.seat < kSeatCount &&
      table.players[turn.seat].kind == KindHiddenHuman) {
    view_.RedrawSeat(table, turn.seat);
  }
}

void DrawingTableUi::DrawCentre(TableRecord& table) {
  view_.DrawCentre(table, TableView::CentreRect(table), CentreOptions{});
}

void DrawingTableUi::DrawTableImage(TableRecord& table) {
  view_.DrawTableImage(table);
}

void DrawingTableUi::DrawChipStack(TableRecord& table, int seat, uint32_t amount) {
  view_.DrawChipStack(TableView::PotStackRect(table, seat), amount, false);
}

void DrawingTableUi::FillFelt(const Rect& area) {
  view_.FillFelt(area);
}

void DrawingTableUi::DrawButton(int button, const std::string& label, bool lit) {
  view_.DrawButton(button, label, lit);
}

void DrawingTableUi::EraseButton(int button) {
  view_.EraseButton(button);
}

void DrawingTableUi::AnimateButtonPush(int button) {
  if (button < 1 || button > 3) return;
  view_.AnimateButtonPush(ButtonHitRect(button));
}

void DrawingTableUi::AnimateBoardDeal(TableRecord& table, int seat, bool allNew) {
  view_.AnimateBoardDeal(table, seat, allNew);
}

}  // namespace qf
