#include "flow/end_of_hand.h"

#include <cstring>
#include <string>

#include "engine/cash.h"
#include "engine/deck.h"
#include "engine/pots.h"

namespace qf {

namespace {

constexpr int kWinnerShowings = 10;

std::string SeatName(const PlayerRecord& player) {
  return std::string(player.name, strnlen(player.name, kNameSize));
}

// A fresh buy-in on credit: profit (balance + chips) is unchanged. Less, or
// nothing, when the table's chips or the seat's credit would overflow; returns
// whether any chips were bought.
bool BuyIn(TableRecord& table, int seat) {
  return BuyChips(table, seat, BuyInAmount(table)) != 0;
}

// Returns false when the user asked for a new table (the seat loop stops).
bool ResolveBustedHuman(TableRecord& table, SessionState& session, TableUi& ui, int seat) {
  const int answer = ui.AskConfirmation("You have no cash! What do you want to do?",
                                        {"Get Cash", "New Table", "Watch"});
  switch (answer) {
    case 1:
      BuyIn(table, seat);
      break;
    case 2:
      session.newTableRequested = true;
      return false;
    case 3:
      table.players[seat].kind = KindInactive;
      break;
    default:  // closed without an answer: asked again after the next hand
      break;
  }
  return true;
}

void ResolveBustedComputer(TableRecord& table, TableUi& ui, int seat) {
  PlayerRecord& player = table.players[seat];
  if (table.bustedStay == 0) {
    player.kind = KindInactive;
    return;
  }
  const int answer = ui.AskConfirmation(
      SeatName(player) +
          " is out of cash. Can the player get cash (and keep playing), or would you like to "
          "dismiss from the table?",
      {"Get Cash", "Dismiss from Table"});
  // A seat that can get no more cash has to leave the table.
  if ((answer == 1 && !BuyIn(table, seat)) || answer == 2) player.kind = KindInactive;
}

void CongratulateWinner(TableRecord& table, SessionState& session, TableUi& ui) {
  const PlayerRecord* winner = nullptr;
  int inPlay = 0;
  for (const PlayerRecord& player : table.players) {
    if (player.kind == KindInactive) continue;
    ++inPlay;
    winner = &player;
  }
  if (inPlay != 1) return;
  const std::string message = SeatName(*winner) + " has won this tournament! Good Job!";
  for (int showing = 0; showing < kWinnerShowings; ++showing) {
    if (ui.AskConfirmation(message, {"New Game"}) == 1) {
      session.newTableRequested = true;
      return;
    }
  }
}

}  // namespace

void ResolveBusts(TableRecord& table, SessionState& session, TableUi& ui) {
  EndHand(table);
  AdvanceButton(table);
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const PlayerRecord& player = table.players[seat];
    if (player.kind == KindInactive || player.chips != 0) continue;
    if (IsHumanKind(player.kind)) {
      if (!ResolveBustedHuman(table, session, ui, seat)) break;
    } else {
      ResolveBustedComputer(table, ui, seat);
    }
  }
  if (session.newTableRequested) return;
  CongratulateWinner(table, session, ui);
}

}  // namespace qf
