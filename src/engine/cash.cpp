#include "engine/cash.h"

#include <algorithm>
#include <limits>

#include "engine/pots.h"

namespace qf {

namespace {

constexpr int64_t kLowestBalance = std::numeric_limits<int32_t>::min();
constexpr int64_t kHighestBalance = std::numeric_limits<int32_t>::max();
constexpr uint64_t kMostChips = std::numeric_limits<uint32_t>::max();

}  // namespace

uint32_t BuyInAmount(const TableRecord& table) {
  return static_cast<uint32_t>(std::min<uint64_t>(uint64_t{100} * table.baseBet, kMostChips));
}

uint32_t BuyInRoom(const TableRecord& table, int seat) {
  const uint64_t onTable = ChipsOnTable(table);
  const uint64_t tableRoom = onTable < kMostChips ? kMostChips - onTable : 0;
  const uint64_t credit = static_cast<uint64_t>(table.players[seat].balance - kLowestBalance);
  return static_cast<uint32_t>(std::min(tableRoom, credit));
}

uint32_t BuyChips(TableRecord& table, int seat, uint64_t amount) {
  const auto bought = static_cast<uint32_t>(std::min<uint64_t>(amount, BuyInRoom(table, seat)));
  PlayerRecord& player = table.players[seat];
  player.chips += bought;
  player.balance = static_cast<int32_t>(int64_t{player.balance} - bought);
  return bought;
}

uint32_t CashIn(PlayerRecord& player) {
  const auto moved = static_cast<uint32_t>(
      std::min<int64_t>(player.chips, kHighestBalance - int64_t{player.balance}));
  player.balance = static_cast<int32_t>(int64_t{player.balance} + moved);
  player.chips -= moved;
  return moved;
}

}  // namespace qf
