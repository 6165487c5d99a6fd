#include <cstring>

#include "engine/cash.h"
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

bool AnySeatSetUp(const TableRecord& table) {
  for (const PlayerRecord& player : table.players) {
    if (player.tableKind != KindInactive) return true;
  }
  return false;
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

  // Tables are played with a base bet of at least 1 (one of 0, left by an
  // older file, would hand out no chips at all).
  if (table.baseBet == 0) table.baseBet = 1;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    PlayerRecord& player = table.players[seat];
    // The button lands on the first seat in play.
    if (NamesInactiveSeat(table, table.dealer) && player.kind != KindInactive) {
      table.dealer = static_cast<uint8_t>(seat);
    }
    player.tableKind = player.kind;
    // The chips the seat had are taken back (whatever its balance cannot hold
    // stays in front of it)...
    player.chips += player.winnings + player.inPot;
    player.winnings = 0;
    player.inPot = 0;
    CashIn(player);
  }
  // ... and a fresh buy-in is charged, as far as the table and the balances hold it.
  const uint32_t buyIn = BuyInAmount(table);
  for (int seat = 0; seat < kSeatCount; ++seat) BuyChips(table, seat, buyIn);
  if (table.dealer >= kSeatCount) table.dealer = 0;
  return true;
}

bool AskForNewTable(TableRecord& table, SessionState& session, TableUi& ui) {
  if (!AnySeatSetUp(table)) WriteDefaultLineUp(table);
  if (!StartNewTable(table, ui, true)) return false;
  session.newTableRequested = false;
  return true;
}

}  // namespace qf
