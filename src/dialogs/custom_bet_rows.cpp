#include "dialogs/custom_bet_rows.h"

#include <algorithm>

namespace qf {

uint32_t GetCustomBetRow(const TableRecord& table, int row) {
  if (row == 0) return table.baseBet;
  if (row < 1 || row >= kCustomBetRows) return 0;
  const int street = (row - 1) / 2;
  const bool isMax = (row % 2) == 1;
  return isMax ? table.customMax[street] : table.customMin[street];
}

void SetCustomBetRow(TableRecord& table, int row, int64_t value) {
  if (row < 0 || row >= kCustomBetRows) return;
  const int64_t lowest = row == 0 ? kLowestCustomBaseBet : 0;
  if (value == lowest - 1) {
    value = kCustomBetLimit;
  } else if (value > kCustomBetLimit || value < lowest) {
    value = lowest;
  }
  const auto v = static_cast<uint32_t>(value);
  if (row == 0) {
    table.baseBet = v;
    return;
  }
  const int street = (row - 1) / 2;
  if (row % 2 == 1) {
    table.customMax[street] = v;
    table.customMin[street] = std::min(table.customMin[street], v);
  } else {
    table.customMin[street] = v;
    table.customMax[street] = std::max(table.customMax[street], v);
  }
}

}  // namespace qf
