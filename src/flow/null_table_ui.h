// A TableUi that shows, plays and asks nothing: every question is closed
// without an answer and the New Table dialog leaves the table as it is. The
// headless tool and tests build on it, overriding only what they need.
#pragma once

#include <string>
#include <vector>

#include "flow/table_ui.h"

namespace qf {

class NullTableUi : public TableUi {
 public:
  void DrawFullTable(TableRecord&, bool) override {}
  void DrawSeat(TableRecord&, int) override {}
  void DrawCentre(TableRecord&) override {}
  void DrawTableImage(TableRecord&) override {}
  void DrawChipStack(TableRecord&, int, uint32_t) override {}
  void FillFelt(const Rect&) override {}
  void DrawButton(int, const std::string&, bool) override {}
  void EraseButton(int) override {}
  void AnimateButtonPush(int) override {}
  void AnimateBoardDeal(TableRecord&, int, bool) override {}
  void PlaySound(GameSound) override {}
  void RunNewTableDialog(TableRecord&) override {}
  int AskConfirmation(const std::string&, const std::vector<std::string>&) override { return 0; }
  void OpenPlayerSettings(TableRecord&) override {}
  void ShowBetPopup(const BetPopupState&) override {}
  void CloseBetPopup() override {}
};

}  // namespace qf
