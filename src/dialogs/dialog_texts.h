// The formatted texts the dialogs show for record values. Amounts are worked
// out in 64 bits so that a large base bet never prints a wrapped number.
#pragma once

#include <QString>
#include <cstdint>

#include "engine/table_record.h"

namespace qf {

// Text of the New Table dialog's "Betting" button for a structure and base bet.
QString BettingButtonText(uint8_t betStructure, uint32_t baseBet);

// Entry of the Betting dialog's structure list (index 0..7) for a base bet.
QString StructureLabel(int index, uint32_t baseBet);

// Row of the Custom Betting list (0..8) showing a value.
QString CustomBetRowText(int row, uint32_t value);

// The nine statistic texts of the Player Settings dialog, in display order:
// chips, profit or debt, raises, calls, folds, checks, hands played, hands
// won, rake collected.
inline constexpr int kSeatStatCount = 9;
QString SeatStatText(const PlayerRecord& seat, int index);

// A seat's 8-bit name as shown in a dialog.
QString SeatNameText(const PlayerRecord& seat);

}  // namespace qf
