// The action button bar: labels decided from the turn, drawn through TableUi,
// keyboard focus, and press/track feedback.
#pragma once

#include <cstdint>
#include <optional>

#include "engine/rng.h"
#include "engine/table_record.h"
#include "flow/session.h"
#include "flow/table_ui.h"

namespace qf {

// Rebuilds the three labels from the turn (wrapping the pending raise into the
// limits when one is given), erases vanished buttons, draws changed ones, then
// shows the focus. On a table without seats it writes the default line-up and
// asks for a new table first.
void BuildButtonBar(TableRecord& table, SessionState& session, TableUi& ui,
                    std::optional<uint32_t> pendingRaise);

// BuildButtonBar with no table: empties the labels and erases the buttons.
void ClearButtonBar(SessionState& session, TableUi& ui);

void ShowButtonFocus(SessionState& session, TableUi& ui);

// Stylus-down / key-down feedback (key 0 for a tap) and stylus-move feedback.
void PressButtons(SessionState& session, TableUi& ui, int key, int x, int y);
void TrackButtons(SessionState& session, TableUi& ui, int x, int y);

}  // namespace qf
