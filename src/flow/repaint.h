// The two whole-table repaints.
#pragma once

#include "engine/table_record.h"
#include "flow/session.h"
#include "flow/table_ui.h"

namespace qf {

// Felt over the whole area, the full table, and a button bar drawn afresh
// (every non-empty label counts as new); no pending raise is given, so a
// fixed-limit bet shows on the middle button again only after the next step.
void RepaintAll(TableRecord& table, SessionState& session, TableUi& ui, bool withBoardDeal);

// What a paint of the window draws: the bar cleared, the full table, the bar
// rebuilt with the pending raise.
void PaintTable(TableRecord& table, SessionState& session, TableUi& ui);

}  // namespace qf
