#include "dialogs/preferences_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/dialog_layout.h"
#include "dialogs/record_color.h"

namespace qf {

namespace {

constexpr int kIndent = 12;

QColor PickWithColorDialog(const QColor& initial, QWidget* parent) {
  return QColorDialog::getColor(initial, parent);
}

void ShowSwatch(QPushButton* button, uint32_t value) {
  QPixmap swatch(button->iconSize());
  swatch.fill(ColorFromRecord(value));
  button->setIcon(QIcon(swatch));
}

QPushButton* MakeSwatchButton(int zoom, QWidget* parent) {
  auto* button = new QPushButton(parent);
  button->setIconSize(QSize(14 * zoom, 10 * zoom));
  button->setFixedSize(button->iconSize() + QSize(10, 8));
  return button;
}

}  // namespace

PreferencesDialog::PreferencesDialog(DialogContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), picker_(PickWithColorDialog) {
  setWindowTitle(QStringLiteral("Preferences"));
  // White behind the labels and boxes; the buttons keep their own faces.
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);
  const int zoom = std::max(ctx_.zoom, 1);
  auto* layout = new QVBoxLayout(this);
  auto addIndented = [this, layout](QCheckBox* box) {
    auto* row = new QHBoxLayout;
    row->addSpacing(kIndent);
    row->addWidget(box);
    row->addStretch(1);
    layout->addLayout(row);
  };

  layout->addWidget(MakeBoldLabel(QStringLiteral("Game Flow"), this));
  bustedQuit_ = new QCheckBox(QStringLiteral("When a player busts, they quit"), this);
  confirmDeal_ = new QCheckBox(QStringLiteral("Confirm Deal"), this);
  showSplash_ = new QCheckBox(QStringLiteral("Show Splash Screen"), this);
  for (QCheckBox* box : {bustedQuit_, confirmDeal_, showSplash_}) addIndented(box);

  layout->addWidget(MakeBoldLabel(QStringLiteral("Display"), this));
  showWinner_ = new QCheckBox(QStringLiteral("Always show winner"), this);
  dealOut_ = new QCheckBox(QStringLiteral("Always deal out hand"), this);
  sound_ = new QCheckBox(QStringLiteral("Sound"), this);
  for (QCheckBox* box : {showWinner_, dealOut_, sound_}) addIndented(box);

  auto* colorRow = new QHBoxLayout;
  colorRow->addWidget(new QLabel(QStringLiteral("Table Color"), this));
  tableColor_ = MakeSwatchButton(zoom, this);
  colorRow->addWidget(tableColor_);
  colorRow->addStretch(1);
  layout->addLayout(colorRow);
  layout->addSpacing(8);

  auto* buttons = new QHBoxLayout;
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  help_ = new QPushButton(QStringLiteral("Help"), this);
  ok_->setDefault(true);
  buttons->addWidget(ok_);
  buttons->addWidget(help_);
  buttons->addStretch(1);
  layout->addLayout(buttons);

  // Never shown; their fields are set and stored like the others.
  auto* hidden = new QGridLayout;
  auto* backgroundLabel = new QLabel(QStringLiteral("Background Color"), this);
  backgroundColor_ = MakeSwatchButton(zoom, this);
  auto* animationLabel = MakeBoldLabel(QStringLiteral("Animation"), this);
  animateChips_ = new QCheckBox(QStringLiteral("Chips"), this);
  animateCards_ = new QCheckBox(QStringLiteral("Cards"), this);
  hardButtons_ = new QCheckBox(QStringLiteral("Use Hard Buttons"), this);
  hidden->addWidget(backgroundLabel, 0, 0);
  hidden->addWidget(backgroundColor_, 0, 1);
  hidden->addWidget(animationLabel, 1, 0);
  hidden->addWidget(animateChips_, 2, 0);
  hidden->addWidget(animateCards_, 2, 1);
  hidden->addWidget(hardButtons_, 3, 0);
  for (QWidget* widget :
       std::initializer_list<QWidget*>{backgroundLabel, backgroundColor_, animationLabel,
                                       animateChips_, animateCards_, hardButtons_}) {
    widget->hide();
  }
  layout->addLayout(hidden);
  layout->addStretch(1);

  const TableRecord& table = ctx_.table;
  bustedQuit_->setChecked(table.bustedStay == 0);
  confirmDeal_->setChecked(table.confirmDeal != 0);
  showSplash_->setChecked(table.showSplash != 0);
  showWinner_->setChecked(table.alwaysShowWinner != 0);
  dealOut_->setChecked(table.alwaysDealOut != 0);
  sound_->setChecked(table.soundEnabled != 0);
  animateChips_->setChecked(table.animateChips != 0);
  animateCards_->setChecked(table.animateCards != 0);
  hardButtons_->setChecked(table.useHardButtons != 0);
  ShowSwatches();

  connect(tableColor_, &QPushButton::clicked, this,
          [this] { ChooseColor(ctx_.table.tableColor, tableColor_); });
  connect(backgroundColor_, &QPushButton::clicked, this,
          [this] { ChooseColor(ctx_.table.backgroundColor, backgroundColor_); });
  connect(ok_, &QPushButton::clicked, this, [this] {
    StoreCheckBoxes();
    accept();
  });
  connect(help_, &QPushButton::clicked, this, [this] {
    if (ctx_.openHelp) ctx_.openHelp(QStringLiteral("Preferences_Help"));
  });

  FitToTableWidth(*this, ctx_.zoom);
}

void PreferencesDialog::StoreCheckBoxes() {
  TableRecord& table = ctx_.table;
  table.bustedStay = bustedQuit_->isChecked() ? 0 : 1;
  table.confirmDeal = confirmDeal_->isChecked() ? 1 : 0;
  table.showSplash = showSplash_->isChecked() ? 1 : 0;
  table.alwaysShowWinner = showWinner_->isChecked() ? 1 : 0;
  table.alwaysDealOut = dealOut_->isChecked() ? 1 : 0;
  table.soundEnabled = sound_->isChecked() ? 1 : 0;
  table.animateChips = animateChips_->isChecked() ? 1 : 0;
  table.animateCards = animateCards_->isChecked() ? 1 : 0;
  table.useHardButtons = hardButtons_->isChecked() ? 1 : 0;
}

void PreferencesDialog::reject() {
  StoreCheckBoxes();
  accept();
}

void PreferencesDialog::ChooseColor(uint32_t& field, QPushButton* button) {
  // The picker starts from the record's colour, so whatever the record holds
  // (also after a cancelled New Table) is what the user sees and keeps.
  const QColor chosen = picker_ ? picker_(ColorFromRecord(field), this) : QColor();
  if (chosen.isValid()) field = RecordFromColor(chosen);
  ShowSwatch(button, field);
}

void PreferencesDialog::ShowSwatches() {
  ShowSwatch(tableColor_, ctx_.table.tableColor);
  ShowSwatch(backgroundColor_, ctx_.table.backgroundColor);
}

}  // namespace qf
