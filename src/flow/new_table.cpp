#include <cstring>

#include "flow/driver.h"

namespace qf {

namespace {

constexpr SeatKind kTenSeatLineUp[kSeatCount] = {
    KindHuman, KindParanoid, KindBluffing, KindStupid, KindErratic,
    KindSmart, KindErratic,  KindTight,    KindTight,  KindSmart};
constexpr SeatKind kSixSeatLineUp[kSeatCount] = {
    KindHuman, KindParanoid, KindBluffing, KindStupid,   KindErratic,
    KindSmart, KindInactive, KindInactive, KindInactive, KindInactive};

bool NamesInactiveSeat(const TableRecord& table, int seat) {
  return seat < 0 || seat >= kSeatCount || table.players[seat].kind == KindInactive;
}

}  // namespace

void WriteDefaultLineUp(TableRecord& table) {
  const SeatKind* lineUp = nullptr;
  if (table.smallTable == 0) lineUp = kTenSeatLineUp;
  if (table.smallTable == 1) lineUp = kSixSeatLineUp;
  if (lineUp == nullptr) return;
  for (int seat = 0; seat < kSeatCount; ++seat) table.players[seat].tableKind = lineUp[seat];
}

bool StartNewTable(TableRecord& table, TableUi& ui, bool showDialog) {
  TableRecord before;
  std::memcpy(&before, &table, sizeof table);

  // A seat that went out of play by watching or busting gets its set-up kind back.
  for (PlayerRecord& player : table.players) player.kind = player.tableKind;

  if (showDialog) {
    ui.RunNewTableDialog(table);
    if (table.dealer == kDealerCancelled) {
      std::memcpy(&table, &before, sizeof table);
      return false;
    }
  }

  ui.FillFelt(kWholeArea);
  table.cardsDealt = 0;
  if (table.progressiveLevel != 0) table.progressiveLevel = 1;

  const uint32_t buyIn = 100 * table.baseBet;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    PlayerRecord& player = table.players[seat];
    // The button lands on the first seat in play.
    if (NamesInactiveSeat(table, table.dealer) && player.kind != KindInactive) {
      table.dealer = static_cast<uint8_t>(seat);
    }
    player.tableKind = player.kind;
    // The chips the seat had are taken back and a fresh buy-in is charged.
    const int64_t balance =
        int64_t{player.balance} + player.winnings + player.chips + player.inPot - int64_t{buyIn};
    player.balance = static_cast<int32_t>(balance);
    player.winnings = 0;
    player.inPot = 0;
    player.chips = buyIn;
  }
  if (table.dealer >= kSeatCount) table.dealer = 0;
  return true;
}

}  // namespace qf
