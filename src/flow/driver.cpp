#include "flow/driver.h"

#include "engine/betting.h"
#include "engine/deck.h"
#include "engine/pots.h"
#include "engine/turn.h"
#include "flow/button_bar.h"
#include "players/decision.h"

namespace qf {

namespace {

bool HumanStillInHand(const TableRecord& table) {
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (IsHumanKind(table.players[seat].kind) && !IsOut(table, seat)) return true;
  }
  return false;
}

// One card to every seat, from the dealer's left round to the dealer. With
// animateSeats, a seat that has just received its last hole card is shown.
void DealingPass(TableRecord& table, TableUi& ui, bool animateSeats) {
  for (int i = 0; i < kSeatCount; ++i) {
    const int seat = (table.dealer + 1 + i) % kSeatCount;
    DealCard(table, seat);
    if (animateSeats && table.players[seat].cardsSeen == table.holeCards) {
      ui.AnimateBoardDeal(table, seat, false);
    }
  }
}

void ComputerActs(TableRecord& table, Rng& rng, TableUi& ui, int seat, uint32_t amount) {
  const int32_t decision = ComputerDecision(table, seat, amount, rng);
  if (decision == kDecisionFold) {
    PlayFold(table, ui, seat);
  } else if (decision == kDecisionCall) {
    PlayChips(table, ui, seat, amount, 0);
  } else {
    PlayChips(table, ui, seat, amount, static_cast<uint32_t>(decision));
    ui.DrawFullTable(table, false);
    return;
  }
  // A call, check or fold that closed the betting round redraws everything.
  if (NextTurn(table).code == TurnDeal) {
    ui.DrawFullTable(table, false);
  } else {
    ui.DrawSeat(table, seat);
  }
}

void BeginHand(TableRecord& table, SessionState& session, Rng& rng, TableUi& ui) {
  session.handSettled = false;
  NewHand(table, rng);
  table.cardsDealt = table.holeCards;
  ui.DrawFullTable(table, false);
}

}  // namespace

void TickGame(TableRecord& table, SessionState& session, Rng& rng, TableUi& ui) {
  const Turn turn = NextTurn(table);
  switch (turn.code) {
    case TurnNoTable: {
      session.handSettled = false;
      const bool setUp = AskForNewTable(table, session, ui);
      BeginHand(table, session, rng, ui);  // whatever the dialog returned
      if (!setUp) {
        // Asked once a tick: the button bar would otherwise ask again at once.
        ClearButtonBar(session, ui);
        return;
      }
      break;
    }
    case TurnNewHand:
      BeginHand(table, session, rng, ui);
      break;
    case TurnForcedBet:
      session.handSettled = false;
      PostForcedBet(table, ui, turn.seat);
      break;
    case TurnAct:
      session.handSettled = false;
      if (IsComputerKind(table.players[turn.seat].kind)) {
        ComputerActs(table, rng, ui, turn.seat, turn.amount);
      }
      break;
    case TurnDeal:
      session.handSettled = false;
      if (table.confirmDeal != 0 && HumanStillInHand(table)) break;  // "Deal" waits
      if (NextTurn(table).code == TurnDeal) DealStep(table, session, ui);
      break;
    case TurnShowdown:
    case TurnLastStanding:
      PayShowdown(table);  // does nothing once the pot is empty
      if (!session.handSettled) ui.DrawFullTable(table, false);
      session.handSettled = true;
      break;
  }
  BuildButtonBar(table, session, ui, session.pendingRaise);
}

void PostForcedBet(TableRecord& table, TableUi& ui, int seat) {
  PlayerRecord& player = table.players[seat];
  if (player.kind == KindInactive) {
    player.status = StatusOut;
    player.lastAction = ActionFold;
    return;
  }
  const BetLimitsResult limits = BetLimits(table, seat, 0);
  PlayChips(table, ui, seat, limits.max, 0);
  player.status = StatusToAct;
}

void PlayChips(TableRecord& table, TableUi& ui, int seat, uint32_t callAmount,
               uint32_t raiseAmount) {
  const uint32_t moved = ApplyAction(table, seat, callAmount, raiseAmount);
  if (moved != 0) {
    ui.DrawSeat(table, seat);
    ui.DrawChipStack(table, seat, moved);
  }
  PlayGameSound(table, ui, moved != 0 ? GameSound::Chips : GameSound::Knock);
  ui.DrawCentre(table);
}

void PlayFold(TableRecord& table, TableUi& ui, int seat) {
  if (!FoldSeat(table, seat)) return;
  if (table.foldStyle == 0) {
    ui.DrawSeat(table, seat);
  } else {
    ui.DrawFullTable(table, false);
  }
  PlayGameSound(table, ui, GameSound::Folds);
}

void DealStep(TableRecord& table, SessionState& session, TableUi& ui) {
  ClearButtonBar(session, ui);
  const PlayerRecord& first = table.players[0];
  const int hole = table.holeCards;
  DealingPass(table, ui, false);
  while (first.cardsSeen < hole) DealingPass(table, ui, true);
  while (first.cardsSeen > hole && first.cardsSeen < hole + 3) DealingPass(table, ui, false);
  if (first.cardsSeen >= hole + 3) ui.AnimateBoardDeal(table, -1, false);
  table.raisesThisRound = 0;
  ui.DrawFullTable(table, false);
  BuildButtonBar(table, session, ui, session.pendingRaise);
}

}  // namespace qf
