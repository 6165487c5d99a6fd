// The end of a hand: payout into chips, the button, busted seats and the
// tournament winner.
#pragma once

#include "engine/table_record.h"
#include "flow/session.h"
#include "flow/table_ui.h"

namespace qf {

void ResolveBusts(TableRecord& table, SessionState& session, TableUi& ui);

}  // namespace qf
