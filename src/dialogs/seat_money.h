// The Player Settings dialog's purchase of chips. Cash-ins use the engine's
// CashIn; both keep balance + chips unchanged.
#pragma once

#include "engine/table_record.h"

namespace qf {

// Buys ten base bets of chips on credit for the seat. A purchase that the
// table's chips or the seat's balance cannot hold is not made at all.
void BuyIn(TableRecord& table, int seat);

}  // namespace qf
