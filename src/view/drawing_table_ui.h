// The drawing half of TableUi, done by a TableView. Sound and dialogs are
// left to the application.
#pragma once

#include "flow/table_ui.h"
#include "view/table_view.h"

namespace qf {

class DrawingTableUi : public TableUi {
 public:
  explicit DrawingTableUi(TableView& view) : view_(view) {}
  TableView& View() { return view_; }

  void DrawFullTable(TableRecord& table, bool withBoardDeal) override;
  void DrawSeat(TableRecord& table, int seat) override;
  void DrawCentre(TableRecord& table) override;
  void DrawTableImage(TableRecord& table) override;
  void DrawChipStack(TableRecord& table, int seat, uint32_t amount) override;
  void FillFelt(const Rect& area) override;
  void DrawButton(int button, const std::string& label, bool lit) override;
  void EraseButton(int button) override;
  void AnimateButtonPush(int button) override;
  void AnimateBoardDeal(TableRecord& table, int seat, bool allNew) override;

 private:
  TableView& view_;
};

}  // namespace qf
