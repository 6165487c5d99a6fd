// Preferences: game flow and display check boxes, stored when the dialog is
// closed (its only way out), and the table colour, stored the moment the
// colour picker returns. Three boxes and the background colour are kept
// hidden; their fields pass through unchanged.
#pragma once

#include <QColor>
#include <QDialog>
#include <functional>

#include "dialogs/dialog_context.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace qf {

class PreferencesDialog : public QDialog {
  Q_OBJECT

 public:
  // Returns the chosen colour, or an invalid colour when the user backs out.
  using ColorPicker = std::function<QColor(const QColor& initial, QWidget* parent)>;

  explicit PreferencesDialog(DialogContext& ctx, QWidget* parent = nullptr);

  // Replaces the platform's colour dialog (tests).
  void SetColorPicker(ColorPicker picker) { picker_ = std::move(picker); }

  // Writes the nine check boxes into the record.
  void StoreCheckBoxes();

  QCheckBox* BustedQuitBox() const { return bustedQuit_; }
  QCheckBox* ConfirmDealBox() const { return confirmDeal_; }
  QCheckBox* ShowSplashBox() const { return showSplash_; }
  QCheckBox* ShowWinnerBox() const { return showWinner_; }
  QCheckBox* DealOutBox() const { return dealOut_; }
  QCheckBox* SoundBox() const { return sound_; }
  QCheckBox* AnimateChipsBox() const { return animateChips_; }
  QCheckBox* AnimateCardsBox() const { return animateCards_; }
  QCheckBox* HardButtonsBox() const { return hardButtons_; }
  QPushButton* TableColorButton() const { return tableColor_; }
  QPushButton* BackgroundColorButton() const { return backgroundColor_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* HelpButton() const { return help_; }

 protected:
  void reject() override;  // closing the window is its OK

 private:
  void ChooseColor(uint32_t& field, QPushButton* button);
  void ShowSwatches();

  DialogContext& ctx_;
  ColorPicker picker_;
  QCheckBox* bustedQuit_ = nullptr;
  QCheckBox* confirmDeal_ = nullptr;
  QCheckBox* showSplash_ = nullptr;
  QCheckBox* showWinner_ = nullptr;
  QCheckBox* dealOut_ = nullptr;
  QCheckBox* sound_ = nullptr;
  QCheckBox* animateChips_ = nullptr;
  QCheckBox* animateCards_ = nullptr;
  QCheckBox* hardButtons_ = nullptr;
  QPushButton* tableColor_ = nullptr;
  QPushButton* backgroundColor_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* help_ = nullptr;
};

}  // namespace qf
