// Player Settings: one seat at a time (session.settingsSeat): its name, its
// kind, its money and its statistics. "Cash In" takes the chips off the
// table, "Buy In" buys ten base bets of chips on credit. There is no Cancel;
// closing the window stores the typed name like OK.
#pragma once

#include <QDialog>
#include <array>

#include "dialogs/dialog_context.h"
#include "dialogs/dialog_texts.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qf {

class SeatPreview;

class PlayerSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PlayerSettingsDialog(DialogContext& ctx, QWidget* parent = nullptr);

  void FillPlayerSettingsLists();
  // Shows one seat: statistics, name, kind, seat list and picture.
  void RefreshPlayerSettings(int seat);
  // Copies the name box into the seat's name when the player has edited it
  // and it holds a name (the box takes at most 6 characters).
  void StorePlayerName(int seat);
  void DrawSeatPreview(int seat);

  QComboBox* SeatList() const { return seatList_; }
  QLineEdit* NameBox() const { return nameBox_; }
  QComboBox* KindList() const { return kindList_; }
  QLabel* StatLabel(int index) const { return stats_[static_cast<size_t>(index)]; }
  SeatPreview* Preview() const { return preview_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CashInButton() const { return cashIn_; }
  QPushButton* BuyInButton() const { return buyIn_; }

 protected:
  void reject() override;  // closing the window is its OK

 private:
  int ShownSeat() const;
  void OnSeatChosen(int index);
  void OnKindChosen(int index);
  void Ok();

  DialogContext& ctx_;
  QComboBox* seatList_ = nullptr;
  QLineEdit* nameBox_ = nullptr;
  QComboBox* kindList_ = nullptr;
  std::array<QLabel*, kSeatStatCount> stats_{};
  SeatPreview* preview_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cashIn_ = nullptr;
  QPushButton* buyIn_ = nullptr;
};

}  // namespace qf
