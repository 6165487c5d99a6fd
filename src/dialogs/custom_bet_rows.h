// The nine editable rows of the custom betting table: row 0 is the base bet,
// then a maximum and a minimum for each street (pre-flop, flop, turn, river).
#pragma once

#include <cstdint>

#include "engine/table_record.h"

namespace qf {

inline constexpr int kCustomBetRows = 9;
inline constexpr int64_t kCustomBetLimit = 9999;
// A base bet of 0 would seat everyone with no chips: the base bet row starts at 1.
inline constexpr int64_t kLowestCustomBaseBet = 1;

// The value a row shows; 0 for a row outside 0..8.
uint32_t GetCustomBetRow(const TableRecord& table, int row);

// Stores a value into a row. The street rows take 0..9999, the base bet row
// 1..9999: stepping one below the lowest value wraps to 9999, and anything
// above 9999 or further below becomes the lowest value. Editing a street's
// maximum pulls its minimum down to it, editing a minimum pushes its maximum
// up, so the minimum never exceeds the maximum. A row outside 0..8 is ignored.
void SetCustomBetRow(TableRecord& table, int row, int64_t value);

}  // namespace qf
