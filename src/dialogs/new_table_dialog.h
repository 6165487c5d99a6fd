// New Table: the variant, the game level, the seats in play and the humans
// among them, Visitor mode; opens Betting, Player Settings and Preferences.
// Every control writes straight into the record. Cancel, like Escape and the
// window's close button, is reported by dealer = 255 (the dialog always ends
// accepted); the caller holds the copy that undoes it.
#pragma once

#include <QDialog>

#include "dialogs/dialog_context.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace qf {

class NewTableDialog : public QDialog {
  Q_OBJECT

 public:
  explicit NewTableDialog(DialogContext& ctx, QWidget* parent = nullptr);

  // Sets every control from the record.
  void RefreshNewTable();
  void SetBettingButtonLabel(uint32_t baseBet);

  // The controls, for the app's screenshots and the tests.
  QCheckBox* VisitorBox() const { return visitor_; }
  QRadioButton* TexasButton() const { return texas_; }
  QRadioButton* OmahaButton() const { return omaha_; }
  QRadioButton* LevelButton(int level) const;  // -1 Beginner, 0 Intermediate, +1 Pro
  QComboBox* PlayersList() const { return players_; }
  QComboBox* HumansList() const { return humans_; }
  QPushButton* BettingButton() const { return betting_; }
  QPushButton* SettingsButton() const { return settings_; }
  QPushButton* PlayersButton() const { return seats_; }
  QPushButton* GoButton() const { return go_; }
  QPushButton* CancelButton() const { return cancel_; }
  QPushButton* HelpButton() const { return help_; }

 protected:
  // Escape and the window's close button are its "Cancel".
  void reject() override;

 private:
  void OnVisitorToggled(bool checked);
  void OnLevelClicked();
  void OnPlayersChosen(int index);
  void OnHumansChosen(int index);
  void RunNested(QDialog& dialog);
  void Go();
  void Cancel();

  DialogContext& ctx_;
  QCheckBox* visitor_ = nullptr;
  QRadioButton* texas_ = nullptr;
  QRadioButton* omaha_ = nullptr;
  QRadioButton* beginner_ = nullptr;
  QRadioButton* intermediate_ = nullptr;
  QRadioButton* pro_ = nullptr;
  QComboBox* players_ = nullptr;
  QComboBox* humans_ = nullptr;
  QPushButton* betting_ = nullptr;
  QPushButton* settings_ = nullptr;
  QPushButton* seats_ = nullptr;
  QPushButton* go_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* help_ = nullptr;
};

}  // namespace qf
