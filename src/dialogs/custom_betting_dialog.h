// Custom Betting: the base bet and a minimum and maximum bet per street,
// stepped by one dollar with "Lower -" and "Raise +"; every step is stored
// at once, so OK and Cancel both keep them.
#pragma once

#include <QDialog>

#include "dialogs/dialog_context.h"

class QListWidget;
class QPushButton;

namespace qf {

class CustomBettingDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CustomBettingDialog(DialogContext& ctx, QWidget* parent = nullptr);

  // Shows the nine rows from the record, keeping the selected row.
  void FillCustomBetList();

  QListWidget* BetList() const { return list_; }
  QPushButton* LowerButton() const { return lower_; }
  QPushButton* RaiseButton() const { return raise_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }
  QPushButton* HelpButton() const { return help_; }

 protected:
  // Escape and the window's close button are its Cancel, which keeps the
  // steps like OK.
  void reject() override { accept(); }

 private:
  void StepSelectedRow(int step);

  DialogContext& ctx_;
  QListWidget* list_ = nullptr;
  QPushButton* lower_ = nullptr;
  QPushButton* raise_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* help_ = nullptr;
};

}  // namespace qf
