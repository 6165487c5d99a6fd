// The game's TableUi on the desktop: the view draws, the app plays sounds,
// runs the dialogs and shows the bet popup.
#pragma once

#include <QDialog>

#include "dialogs/dialog_context.h"
#include "view/drawing_table_ui.h"

namespace qf {

// What AppTableUi needs from the window that owns the game.
class AppUiHost {
 public:
  virtual ~AppUiHost() = default;
  virtual void PlaySoundEffect(GameSound sound) = 0;
  // Runs a modal dialog (exec, or the tests' answering runner); returns its result.
  virtual int RunDialog(QDialog& dialog) = 0;
  virtual DialogContext MakeDialogContext(TableRecord& table) = 0;
  virtual QWidget* DialogParent() = 0;
  virtual void ShowBetPopupList(const BetPopupState& popup) = 0;
  virtual void CloseBetPopupList() = 0;
};

class AppTableUi : public DrawingTableUi {
 public:
  AppTableUi(TableView& view, AppUiHost& host) : DrawingTableUi(view), host_(host) {}

  void PlaySound(GameSound sound) override { host_.PlaySoundEffect(sound); }
  void RunNewTableDialog(TableRecord& table) override;
  int AskConfirmation(const std::string& message, const std::vector<std::string>& buttons) override;
  void OpenPlayerSettings(TableRecord& table) override;
  void ShowBetPopup(const BetPopupState& popup) override { host_.ShowBetPopupList(popup); }
  void CloseBetPopup() override { host_.CloseBetPopupList(); }

 private:
  AppUiHost& host_;
};

}  // namespace qf
