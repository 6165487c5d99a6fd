// The player's input on the table: a finished tap or a released key.
#pragma once

#include "engine/rng.h"
#include "engine/table_record.h"
#include "flow/session.h"
#include "flow/table_ui.h"

namespace qf {

// Key codes as the table input understands them.
enum InputKey : int {
  KeyNone = 0,
  KeyAction = 13,  // Return / Enter
  KeyLeft = 37,
  KeyRight = 39,
  KeyDigit1 = '1',
  KeyDigit2 = '2',
  KeyDigit3 = '3',
};

// A tap (key KeyNone, x and y in table pixels) or a released key (no position).
struct TableInput {
  int key = KeyNone;
  int x = -32768;
  int y = -32768;
};

// rng is drawn from only when "Start" leads to a new table (the new hand's shuffle).
void OnTableInput(TableRecord& table, SessionState& session, Rng& rng, TableUi& ui,
                  const TableInput& input);

}  // namespace qf
