#include "flow/bet_popup.h"

#include <algorithm>
#include <string>

#include "engine/betting.h"
#include "flow/button_bar.h"

namespace qf {

namespace {

constexpr int kSteppedAttempts = 9;

void AddRow(BetPopupState& popup, uint32_t amount, const char* prefix) {
  popup.amounts[popup.rowCount] = amount;
  popup.texts[popup.rowCount] = prefix + std::to_string(amount);
  ++popup.rowCount;
}

}  // namespace

void BuildBetPopupRows(BetPopupState& popup, const BetLimitsResult& limits, int seat,
                       uint32_t callAmount) {
  const char* prefix = callAmount == 0 ? "Bet: $" : "Raise: $";
  popup.seat = seat;
  popup.callAmount = callAmount;
  popup.rowCount = 0;
  // Held in 64 bits so that doubling a large amount cannot wrap to a small one.
  uint64_t value = std::max<uint32_t>(limits.min, 1);
  for (int attempt = 0; attempt < kSteppedAttempts; ++attempt) {
    if (value < limits.max) AddRow(popup, static_cast<uint32_t>(value), prefix);
    value *= 2;
  }
  AddRow(popup, limits.max, prefix);
}

void OpenBetPopup(SessionState& session, TableUi& ui, int seat, uint32_t callAmount,
                  const BetLimitsResult& limits) {
  BuildBetPopupRows(session.betPopup, limits, seat, callAmount);
  session.betPopup.open = true;
  ui.ShowBetPopup(session.betPopup);
}

void CommitBetPopup(TableRecord& table, SessionState& session, TableUi& ui, int row) {
  BetPopupState& popup = session.betPopup;
  if (!popup.open || row < 0 || row >= popup.rowCount) return;
  popup.open = false;
  ui.CloseBetPopup();
  ClearButtonBar(session, ui);
  ApplyAction(table, popup.seat, popup.callAmount, popup.amounts[row]);
  ui.DrawFullTable(table, false);
  BuildButtonBar(table, session, ui, session.pendingRaise);
}

void DismissBetPopup(SessionState& session, TableUi& ui, int focusButton) {
  session.betPopup.open = false;
  ui.CloseBetPopup();
  if ((focusButton == 1 || focusButton == 3) && session.buttonShown[focusButton - 1]) {
    session.focusedButton = focusButton;
  }
}

}  // namespace qf
