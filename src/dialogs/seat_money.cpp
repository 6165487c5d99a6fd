#include "dialogs/seat_money.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace qf {

void CashIn(PlayerRecord& seat) {
  const int64_t room = int64_t{std::numeric_limits<int32_t>::max()} - seat.balance;
  const int64_t moved = std::min<int64_t>(seat.chips, room);
  seat.balance = static_cast<int32_t>(seat.balance + moved);
  seat.chips = static_cast<uint32_t>(seat.chips - moved);
}

void BuyIn(PlayerRecord& seat, uint32_t baseBet) {
  const int64_t amount = int64_t{10} * baseBet;
  const int64_t chips = int64_t{seat.chips} + amount;
  const int64_t balance = int64_t{seat.balance} - amount;
  if (chips > std::numeric_limits<uint32_t>::max()) return;
  if (balance < std::numeric_limits<int32_t>::min()) return;
  seat.chips = static_cast<uint32_t>(chips);
  seat.balance = static_cast<int32_t>(balance);
}

}  // namespace qf
