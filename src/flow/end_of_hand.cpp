#include "flow/end_of_hand.h"

#include <cstring>
#include <string>

#include "engine/deck.h"
#include "engine/pots.h"

namespace qf {

namespace {

constexpr int kWinnerShowings = 10;

std::string SeatName(const PlayerRecord& player) {
  return std::string(player.name, strnlen(player.name, kNameSize));
}

// A fresh buy-in on credit: profit (balance + chips) is unchanged.
void BuyIn(TableRecord& table, PlayerRecord& player) {
  const uint32_t buyIn = 100 * table.baseBet;
  player.chips += buyIn;
  player.balance = static_cast<int32_t>(int64_t{player.balance} - buyIn);
}

// Returns false when the user asked for a new table (the seat loop stops).
bool ResolveBustedHuman(TableRecord& table, SessionState& session, TableUi& ui,
                        PlayerRecord& player) {
  const int answer = ui.AskConfirmation("You have no cash! What do you want to do?",
                                        {"Get Cash", "New Table", "Watch"});
  switch (answer) {
    case 1:
      BuyIn(table, player);
      break;
    case 2:
      session.newTableRequested = true;
      return false;
    case 3:
      player.kind = KindInactive;
      break;
    default:  // closed without an answer: asked again after the next hand
      break;
  }
  return true;
}

void ResolveBustedComputer(TableRecord& table, TableUi& ui, PlayerRecord& player) {
  if (table.bustedStay == 0) {
    player.kind = KindInactive;
    return;
  }
  const int answer = ui.AskConfirmation(
      SeatName(player) +
          " is out of cash. Can the player get cash (and keep playing), or would you like to "
          "dismiss from the table?",
      {"Get Cash", "Dismiss from Table"});
  if (answer == 1) BuyIn(table, player);
  if (answer == 2) player.kind = KindInactive;
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
  for (PlayerRecord& player : table.players) {
    if (player.kind == KindInactive || player.chips != 0) continue;
    if (IsHumanKind(player.kind)) {
      if (!ResolveBustedHuman(table, session, ui, player)) break;
    } else {
      ResolveBustedComputer(table, ui, player);
    }
  }
  if (session.newTableRequested) return;
  CongratulateWinner(table, session, ui);
}

}  // namespace qf
