// Everything the running game keeps that is not saved with the table. Owned
// by the app next to the TableRecord and handed by reference.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/table_record.h"

namespace qf {

inline constexpr int kMaxPopupRows = 10;

struct BetPopupState {
  bool open = false;
  int seat = 0;
  uint32_t callAmount = 0;
  int rowCount = 0;
  std::array<uint32_t, kMaxPopupRows> amounts{};
  std::array<std::string, kMaxPopupRows> texts;  // "Bet: $%d" or "Raise: $%d"
};

struct SessionState {
  // Tick driver.
  bool tickArmed = false;
  bool handSettled = false;
  bool newTableRequested = false;

  // Action buttons 1..3 are at index 0..2.
  int focusedButton = 1;
  std::array<std::string, 3> buttonLabel;
  std::array<bool, 3> buttonShown{};
  bool buttonPressed = false;
  uint32_t pendingRaise = 0;
  int lastTapX = 0;
  int lastTapY = 0;

  int settingsSeat = 0;     // the seat Player Settings shows
  bool showNames = false;   // "Name" toggle
  bool showAmounts = false; // "$" toggle
  bool visitorMode = false; // the table is not saved at exit

  BetPopupState betPopup;
};

}  // namespace qf
