// The bet amount popup's logic: rows, commit and dismissal. The UI shows the
// rows and reports the chosen row.
#pragma once

#include <cstdint>

#include "engine/betting.h"
#include "engine/table_record.h"
#include "flow/session.h"
#include "flow/table_ui.h"

namespace qf {

// Fills popup with the rows for a seat: from the smallest amount the limits
// allow (at least 1) doubling, up to nine rows below the maximum, then the
// maximum; "Bet: $%d" with nothing to call, "Raise: $%d" otherwise.
void BuildBetPopupRows(BetPopupState& popup, const BetLimitsResult& limits, int seat,
                       uint32_t callAmount);

// Builds the rows, marks the popup open and asks the UI to show it.
void OpenBetPopup(SessionState& session, TableUi& ui, int seat, uint32_t callAmount,
                  const BetLimitsResult& limits);

// Carries out row (0 <= row < rowCount): closes the popup and applies the
// action. A row outside that range does nothing and the popup stays open.
void CommitBetPopup(TableRecord& table, SessionState& session, TableUi& ui, int row);

// Closes without acting; focusButton 1 or 3 moves the focus there if that
// button is shown (0: focus unchanged). Buttons are not redrawn.
void DismissBetPopup(SessionState& session, TableUi& ui, int focusButton);

}  // namespace qf
