#include "dialogs/seat_money.h"

#include <cstdint>

#include "engine/cash.h"

namespace qf {

void BuyIn(TableRecord& table, int seat) {
  const uint64_t amount = uint64_t{10} * table.baseBet;
  if (BuyInRoom(table, seat) >= amount) BuyChips(table, seat, amount);
}

}  // namespace qf
