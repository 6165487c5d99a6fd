// Game Stats: five figures about the whole table, worked out when the dialog
// opens; "Individual Stats" opens Player Settings. Changes nothing itself.
#pragma once

#include <QDialog>
#include <array>

#include "dialogs/dialog_context.h"

class QLabel;
class QPushButton;

namespace qf {

class GameStatsDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kFigureCount = 5;

  explicit GameStatsDialog(DialogContext& ctx, QWidget* parent = nullptr);

  // 0 hands played, 1 rake, 2 skill, 3 players, 4 cash at the table.
  QLabel* FigureLabel(int index) const { return values_[static_cast<size_t>(index)]; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* IndividualStatsButton() const { return individual_; }

 protected:
  void reject() override { accept(); }  // closing the window is its OK

 private:
  DialogContext& ctx_;
  std::array<QLabel*, kFigureCount> values_{};
  QPushButton* ok_ = nullptr;
  QPushButton* individual_ = nullptr;
};

}  // namespace qf
