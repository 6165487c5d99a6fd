// Betting: base bet, structure, rake, blinds or antes, the raise cap and the
// progressive stake, each stored the moment it is chosen. Choosing
// "Custom..." opens Custom Betting at once.
#pragma once

#include <QDialog>

#include "dialogs/dialog_context.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace qf {

class BettingDialog : public QDialog {
  Q_OBJECT

 public:
  explicit BettingDialog(DialogContext& ctx, QWidget* parent = nullptr);

  // Fills the base bet, rake, ante and raises lists with their fixed entries.
  void FillBettingLists();
  // Re-formats the structure entries for a base bet and selects every
  // control from the record.
  void RefreshBettingDialog(uint32_t baseBet);

  QComboBox* BaseBetList() const { return baseBet_; }
  QComboBox* StructureList() const { return structure_; }
  QComboBox* RakeList() const { return rake_; }
  QComboBox* AnteList() const { return ante_; }
  QComboBox* RaisesList() const { return raises_; }
  QCheckBox* ProgressiveBox() const { return progressive_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* HelpButton() const { return help_; }

 protected:
  void reject() override { accept(); }  // closing the window is its OK

 private:
  void OnBaseBetChosen(int index);
  void OnStructureChosen(int index);

  DialogContext& ctx_;
  QComboBox* baseBet_ = nullptr;
  QComboBox* structure_ = nullptr;
  QComboBox* rake_ = nullptr;
  QComboBox* ante_ = nullptr;
  QComboBox* raises_ = nullptr;
  QCheckBox* progressive_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* help_ = nullptr;
};

}  // namespace qf
