#include "flow/button_bar.h"

#include <algorithm>
#include <array>
#include <string>

#include "engine/betting.h"
#include "engine/turn.h"
#include "flow/driver.h"

namespace qf {

namespace {

using Labels = std::array<std::string, 3>;

// Stepping past either end of the limits lands on the other end. Whenever
// the limits allow a bet or raise, the smallest one offered is 1 (a raise of
// 0 would be a call), so a pending raise of 0 stays 0 only when they do not.
uint32_t WrapIntoLimits(uint32_t pending, uint32_t minimum, uint32_t maximum) {
  if (maximum != 0) minimum = std::max<uint32_t>(minimum, 1);
  if (pending > maximum) return minimum;
  if (pending < minimum) return maximum;
  return pending;
}

void EmptyLabels(Labels& labels) {
  for (std::string& label : labels) label.clear();
}

// During a computer's turn the bar is empty.
void ApplyComputerSeatRule(const TableRecord& table, int seat, Labels& labels) {
  if (seat < 0 || seat >= kSeatCount || !IsHumanKind(table.players[seat].kind)) {
    EmptyLabels(labels);
  }
}

void SetBettingLabels(const TableRecord& table, SessionState& session, const Turn& turn,
                      const BetLimitsResult& limits, bool raiseOffered) {
  Labels& labels = session.buttonLabel;
  const PlayerRecord& seat = table.players[turn.seat];
  const bool fixedSize = limits.min == limits.max;
  labels[2] = "Fold";
  if (table.raisesThisRound == 0 && seat.cardsSeen == 0) {
    labels[0] = "Ante";  // the middle label stays as it was
  } else if (turn.amount != 0) {
    labels[0] = "Call " + std::to_string(turn.amount);
    if (!raiseOffered) {
      labels[1].clear();
    } else {
      labels[1] = fixedSize ? "Raise " + std::to_string(limits.max) : "Raise";
    }
  } else {
    labels[0] = "Check";
    if (!raiseOffered) {
      labels[1] = "Check";
    } else {
      labels[1] = fixedSize ? "Bet " + std::to_string(limits.max) : "Bet";
    }
  }
  if (seat.chips == 0) {
    labels[0] = "All In";
    labels[1].clear();
    labels[2].clear();
    session.focusedButton = 1;
  }
}

// Erases vanished buttons, draws the ones whose label changed, then the focus.
void RedrawChangedButtons(const Labels& kept, SessionState& session, TableUi& ui) {
  for (int i = 0; i < 3; ++i) {
    if (session.buttonLabel[i].empty()) {
      ui.EraseButton(i + 1);
      session.buttonShown[i] = false;
    }
  }
  for (int i = 0; i < 3; ++i) {
    if (!session.buttonLabel[i].empty() && session.buttonLabel[i] != kept[i]) {
      ui.DrawButton(i + 1, session.buttonLabel[i], false);
      session.buttonShown[i] = true;
    }
  }
  ShowButtonFocus(session, ui);
}

void DrawIfShown(SessionState& session, TableUi& ui, int button, bool lit) {
  if (session.buttonShown[button - 1]) {
    ui.DrawButton(button, session.buttonLabel[button - 1], lit);
  }
}

bool Hits(const SessionState& session, int button, int key) {
  return ButtonHitRect(button).Contains(session.lastTapX, session.lastTapY) ||
         key == '0' + button || ((key & 0xFFFF) == 13 && session.focusedButton == button);
}

}  // namespace

void BuildButtonBar(TableRecord& table, SessionState& session, TableUi& ui,
                    std::optional<uint32_t> pendingRaise) {
  const Labels kept = session.buttonLabel;
  Labels& labels = session.buttonLabel;

  const Turn turn = NextTurn(table);
  const BetLimitsResult limits = BetLimits(table, turn.seat, turn.amount);
  if (pendingRaise) {
    pendingRaise = WrapIntoLimits(*pendingRaise, limits.min, limits.max);
    session.pendingRaise = *pendingRaise;
  }
  const bool raiseOffered = pendingRaise && *pendingRaise != 0;

  switch (turn.code) {
    case TurnNoTable:
      AskForNewTable(table, session, ui);
      EmptyLabels(labels);
      ApplyComputerSeatRule(table, turn.seat, labels);
      break;
    case TurnNewHand:
      EmptyLabels(labels);
      ApplyComputerSeatRule(table, turn.seat, labels);
      break;
    case TurnForcedBet:
      ApplyComputerSeatRule(table, turn.seat, labels);
      break;
    case TurnAct:
      if (IsHumanKind(table.players[turn.seat].kind)) {
        SetBettingLabels(table, session, turn, limits, raiseOffered);
      } else {
        // The betting labels would be emptied at once; only the focus an
        // all-in seat moves to stays.
        if (table.players[turn.seat].chips == 0) session.focusedButton = 1;
        EmptyLabels(labels);
      }
      break;
    case TurnDeal:
      labels = {"Deal", "", ""};
      session.focusedButton = 1;
      break;
    case TurnShowdown:
    case TurnLastStanding:
      labels = {"Start", "", ""};
      session.focusedButton = 1;
      break;
  }
  RedrawChangedButtons(kept, session, ui);
}

void ClearButtonBar(SessionState& session, TableUi& ui) {
  const Labels kept = session.buttonLabel;
  EmptyLabels(session.buttonLabel);
  RedrawChangedButtons(kept, session, ui);
}

void ShowButtonFocus(SessionState& session, TableUi& ui) {
  const auto shown = [&](int button) { return session.buttonShown[button - 1]; };
  switch (session.focusedButton) {
    case 1:
      DrawIfShown(session, ui, 1, true);
      DrawIfShown(session, ui, 2, false);
      DrawIfShown(session, ui, 3, false);
      break;
    case 2:
    case 3: {
      const int focused = session.focusedButton;
      const int other = focused == 2 ? 3 : 2;
      if (shown(focused)) {
        DrawIfShown(session, ui, focused, true);
        DrawIfShown(session, ui, 1, false);
      } else {
        session.focusedButton = 1;
        DrawIfShown(session, ui, 1, true);
      }
      DrawIfShown(session, ui, other, false);
      break;
    }
    default:
      break;
  }
}

void PressButtons(SessionState& session, TableUi& ui, int key, int x, int y) {
  session.lastTapX = x;
  session.lastTapY = y;
  for (int button = 1; button <= 3; ++button) {
    if (session.buttonShown[button - 1] && Hits(session, button, key)) {
      session.buttonPressed = true;
      ui.DrawButton(button, session.buttonLabel[button - 1], true);
    }
  }
}

void TrackButtons(SessionState& session, TableUi& ui, int x, int y) {
  session.lastTapX = x;
  session.lastTapY = y;
  for (int button = 1; button <= 3; ++button) {
    const bool lit = session.buttonPressed && ButtonHitRect(button).Contains(x, y);
    DrawIfShown(session, ui, button, lit);
  }
}

}  // namespace qf
