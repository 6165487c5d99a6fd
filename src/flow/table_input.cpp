#include "flow/table_input.h"

#include "engine/betting.h"
#include "engine/deck.h"
#include "engine/turn.h"
#include "flow/bet_popup.h"
#include "flow/button_bar.h"
#include "flow/button_push.h"
#include "flow/driver.h"
#include "flow/end_of_hand.h"
#include "flow/repaint.h"

namespace qf {

namespace {

bool Shown(const SessionState& session, int button) {
  return session.buttonShown[button - 1];
}

void DrawFocusMove(SessionState& session, TableUi& ui) {
  for (int button = 1; button <= 3; ++button) {
    if (Shown(session, button)) {
      ui.DrawButton(button, session.buttonLabel[button - 1], button == session.focusedButton);
    }
  }
}

// Moves the focus one shown button left (step -1) or right (+1); never wraps.
void MoveFocus(SessionState& session, TableUi& ui, int step) {
  for (int button = session.focusedButton + step; button >= 1 && button <= 3; button += step) {
    if (Shown(session, button)) {
      session.focusedButton = button;
      DrawFocusMove(session, ui);
      return;
    }
  }
}

// A shown button is triggered by a tap inside it, its digit, or Action while
// it has the focus; a shown button that is not triggered is drawn plain.
bool Triggered(SessionState& session, TableUi& ui, int button, int key) {
  if (!Shown(session, button)) return false;
  const bool hit = ButtonHitRect(button).Contains(session.lastTapX, session.lastTapY) ||
                   key == '0' + button || (key == KeyAction && session.focusedButton == button);
  if (!hit) ui.DrawButton(button, session.buttonLabel[button - 1], false);
  return hit;
}

void PressStart(TableRecord& table, SessionState& session, Rng& rng, TableUi& ui) {
  ResolveBusts(table, session, ui);
  ui.DrawFullTable(table, false);
  ui.DrawTableImage(table);
  BuildButtonBar(table, session, ui, session.pendingRaise);
  if (session.newTableRequested && AskForNewTable(table, session, ui)) {
    NewHand(table, rng);
    ui.DrawFullTable(table, false);
  }
}

// Button 1: "Start", "Deal", or the call-type action of the seat to act.
void PressLeftButton(TableRecord& table, SessionState& session, Rng& rng, TableUi& ui,
                     const Turn& turn) {
  AnimateButtonPush(table, ui, 1);
  ClearButtonBar(session, ui);
  switch (turn.code) {
    case TurnShowdown:
    case TurnLastStanding:
      PressStart(table, session, rng, ui);
      break;
    case TurnDeal:
      // A stale "Deal" (the tick dealt already) does nothing.
      if (NextTurn(table).code == TurnDeal) {
        DealStep(table, session, ui);
        BuildButtonBar(table, session, ui, session.pendingRaise);
      }
      break;
    default:  // "Ante", "Check", "Call %d" or "All In": no sound beyond the click
      ApplyAction(table, turn.seat, turn.amount, 0);
      if (NextTurn(table).code == TurnDeal) {
        ui.DrawFullTable(table, false);
      } else {
        ui.DrawSeat(table, turn.seat);
        ui.DrawCentre(table);
      }
      BuildButtonBar(table, session, ui, session.pendingRaise);
      break;
  }
}

void PressMiddleButton(TableRecord& table, SessionState& session, TableUi& ui) {
  AnimateButtonPush(table, ui, 2);
  const Turn turn = NextTurn(table);
  const BetLimitsResult limits = BetLimits(table, turn.seat, turn.amount);
  if (limits.min == limits.max) {  // fixed size: act at once with the amount shown
    ClearButtonBar(session, ui);
    ApplyAction(table, turn.seat, turn.amount, session.pendingRaise);
    ui.DrawFullTable(table, false);
    BuildButtonBar(table, session, ui, session.pendingRaise);
  } else {
    OpenBetPopup(session, ui, turn.seat, turn.amount, limits);
  }
}

void PressFoldButton(TableRecord& table, SessionState& session, TableUi& ui, int seat) {
  AnimateButtonPush(table, ui, 3);
  ClearButtonBar(session, ui);
  PlayFold(table, ui, seat);
  BuildButtonBar(table, session, ui, session.pendingRaise);
}

}  // namespace

void OnTableInput(TableRecord& table, SessionState& session, Rng& rng, TableUi& ui,
                  const TableInput& input) {
  const int key = input.key & 0xFFFF;
  if (key == KeyLeft) {
    MoveFocus(session, ui, -1);
    return;
  }
  if (key == KeyRight) {
    MoveFocus(session, ui, +1);
    return;
  }
  session.lastTapX = input.x;
  session.lastTapY = input.y;

  const Turn turn = NextTurn(table);
  const bool humanSeat =
      turn.seat >= 0 && turn.seat < kSeatCount && IsHumanKind(table.players[turn.seat].kind);
  const bool waitsForPlayer =
      turn.code == TurnDeal || turn.code == TurnShowdown || turn.code == TurnLastStanding;
  if (!humanSeat && !waitsForPlayer) return;  // a computer acts or a forced bet is due

  if (Triggered(session, ui, 1, key)) PressLeftButton(table, session, rng, ui, turn);
  if (Triggered(session, ui, 2, key)) PressMiddleButton(table, session, ui);
  if (Triggered(session, ui, 3, key)) PressFoldButton(table, session, ui, turn.seat);

  // Seats are found in the layout in force, which a new table may have changed.
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (SeatRectOf(table.smallTable, kTableRect, seat).Contains(session.lastTapX, session.lastTapY)) {
      session.settingsSeat = seat;
      ui.OpenPlayerSettings(table);
      // The dialog may have changed names, kinds or chips: show them.
      RepaintAll(table, session, ui, false);
    }
  }
}

}  // namespace qf
