#include "flow/repaint.h"

#include <optional>

#include "flow/button_bar.h"

namespace qf {

void RepaintAll(TableRecord& table, SessionState& session, TableUi& ui, bool withBoardDeal) {
  ui.FillFelt(kWholeArea);
  ui.DrawFullTable(table, withBoardDeal);
  for (std::string& label : session.buttonLabel) label.clear();
  BuildButtonBar(table, session, ui, std::nullopt);
}

void PaintTable(TableRecord& table, SessionState& session, TableUi& ui) {
  // The buttons come back as they were, the key focus included.
  const int focus = session.focusedButton;
  ClearButtonBar(session, ui);
  ui.DrawFullTable(table, false);
  session.focusedButton = focus;
  BuildButtonBar(table, session, ui, session.pendingRaise);
}

}  // namespace qf
