// The one interface through which the game flow reaches the screen, the
// speaker and the dialogs. The app implements it with the view and the
// dialogs, tests with a recorder, the headless tool with nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/table_record.h"
#include "flow/table_geometry.h"

namespace qf {

struct BetPopupState;

enum class GameSound : int { Chips = 0, Knock = 1, Folds = 2, Click = 3, Splash = 4 };

class TableUi {
 public:
  virtual ~TableUi() = default;

  // Drawing into the back buffer.
  virtual void DrawFullTable(TableRecord& table, bool withBoardDeal) = 0;
  virtual void DrawSeat(TableRecord& table, int seat) = 0;   // in its SeatRect, no showdown
  virtual void DrawCentre(TableRecord& table) = 0;           // table picture, pot area, board
  virtual void DrawTableImage(TableRecord& table) = 0;
  virtual void DrawChipStack(TableRecord& table, int seat, uint32_t amount) = 0;  // in the seat's pot cell
  virtual void FillFelt(const Rect& area) = 0;

  // Action buttons (1..3): draw with a label, lit or plain; erase to felt.
  virtual void DrawButton(int button, const std::string& label, bool lit) = 0;
  virtual void EraseButton(int button) = 0;

  // Animations. AnimateButtonPush does not play the click: the caller does.
  virtual void AnimateButtonPush(int button) = 0;
  virtual void AnimateBoardDeal(TableRecord& table, int seat, bool allNew) = 0;

  // Sound (the caller has already checked soundEnabled).
  virtual void PlaySound(GameSound sound) = 0;

  // Dialogs. RunNewTableDialog runs the New Table dialog modally on the
  // record; a Cancel is reported by the dialog writing dealer = 255.
  virtual void RunNewTableDialog(TableRecord& table) = 0;
  // A question with one to three answers; returns 0 when closed without an
  // answer, else 1..3. Texts are 8-bit (Latin-1) as the record holds them.
  virtual int AskConfirmation(const std::string& message, const std::vector<std::string>& buttons) = 0;
  virtual void OpenPlayerSettings(TableRecord& table) = 0;  // shows session.settingsSeat

  // The bet amount popup: show the rows the flow prepared, or close it.
  virtual void ShowBetPopup(const BetPopupState& popup) = 0;
  virtual void CloseBetPopup() = 0;
};

// Plays a sound through the UI when the table's soundEnabled is set.
void PlayGameSound(const TableRecord& table, TableUi& ui, GameSound sound);

}  // namespace qf
