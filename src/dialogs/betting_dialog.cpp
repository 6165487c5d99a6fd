#include "dialogs/betting_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <array>

#include "dialogs/custom_betting_dialog.h"
#include "dialogs/dialog_layout.h"
#include "dialogs/dialog_texts.h"

namespace qf {

namespace {

constexpr std::array<uint32_t, 5> kBaseBets = {2, 5, 10, 20, 25};
constexpr int kMostRake = 10;
constexpr int kMostRaises = 10;

void SelectQuietly(QComboBox* list, int index) {
  const QSignalBlocker block(list);
  list->setCurrentIndex(index < list->count() ? index : -1);
}

}  // namespace

BettingDialog::BettingDialog(DialogContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
  setWindowTitle(QStringLiteral("Betting"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  baseBet_ = new QComboBox(this);
  structure_ = new QComboBox(this);
  rake_ = new QComboBox(this);
  ante_ = new QComboBox(this);
  raises_ = new QComboBox(this);
  form->addRow(QStringLiteral("Base Bet:"), baseBet_);
  form->addRow(QStringLiteral("Betting:"), structure_);
  form->addRow(QStringLiteral("Rake:"), rake_);
  form->addRow(QStringLiteral("Ante:"), ante_);
  form->addRow(QStringLiteral("Raises:"), raises_);
  layout->addLayout(form);

  progressive_ = new QCheckBox(QStringLiteral("Progressive"), this);
  progressive_->setLayoutDirection(Qt::RightToLeft);  // text left of the box
  auto* progressiveRow = new QHBoxLayout;
  progressiveRow->addWidget(progressive_);
  progressiveRow->addStretch(1);
  layout->addLayout(progressiveRow);
  layout->addSpacing(12);

  auto* buttons = new QHBoxLayout;
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  help_ = new QPushButton(QStringLiteral("Help"), this);
  ok_->setDefault(true);
  buttons->addWidget(ok_);
  buttons->addStretch(1);
  buttons->addWidget(help_);
  layout->addLayout(buttons);
  layout->addStretch(1);

  // A choice of the same base bet still replaces one the list cannot show,
  // and choosing "Custom..." again opens the custom table again: both react
  // to every choice. The other lists react to a change of value.
  connect(baseBet_, &QComboBox::activated, this, &BettingDialog::OnBaseBetChosen);
  connect(structure_, &QComboBox::activated, this, &BettingDialog::OnStructureChosen);
  connect(rake_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index >= 0) ctx_.table.rakePercent = static_cast<uint8_t>(index);
  });
  connect(ante_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index >= 0) ctx_.table.anteMode = static_cast<uint8_t>(index);
  });
  connect(raises_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index >= 0) ctx_.table.raiseCap = static_cast<uint8_t>(index);
  });
  connect(progressive_, &QCheckBox::toggled, this,
          [this](bool checked) { ctx_.table.progressiveLevel = checked ? 1 : 0; });
  connect(ok_, &QPushButton::clicked, this, &BettingDialog::accept);
  connect(help_, &QPushButton::clicked, this, [this] {
    if (ctx_.openHelp) ctx_.openHelp(QStringLiteral("Game_Help"));
  });

  FillBettingLists();
  RefreshBettingDialog(ctx_.table.baseBet);
  FitToTableWidth(*this, ctx_.zoom);
}

void BettingDialog::FillBettingLists() {
  const QSignalBlocker blockBase(baseBet_);
  const QSignalBlocker blockRake(rake_);
  const QSignalBlocker blockAnte(ante_);
  const QSignalBlocker blockRaises(raises_);
  baseBet_->clear();
  for (uint32_t bet : kBaseBets) baseBet_->addItem(QString::number(bet));
  rake_->clear();
  rake_->addItem(QStringLiteral("None"));
  for (int percent = 1; percent <= kMostRake; ++percent) {
    rake_->addItem(QStringLiteral("%1%").arg(percent));
  }
  ante_->clear();
  ante_->addItem(QStringLiteral("Blinds"));
  ante_->addItem(QStringLiteral("All Ante"));
  raises_->clear();
  raises_->addItem(QStringLiteral("Unlimited"));
  for (int cap = 1; cap <= kMostRaises; ++cap) raises_->addItem(QString::number(cap));
}

void BettingDialog::RefreshBettingDialog(uint32_t baseBet) {
  int baseIndex = 0;  // a base bet the list does not offer shows "2"
  for (size_t i = 0; i < kBaseBets.size(); ++i) {
    if (kBaseBets[i] == baseBet) baseIndex = static_cast<int>(i);
  }
  SelectQuietly(baseBet_, baseIndex);

  {
    const QSignalBlocker block(structure_);
    structure_->clear();
    for (int index = 0; index < kStructureCount; ++index) {
      structure_->addItem(StructureLabel(index, baseBet));
    }
  }
  SelectQuietly(structure_, ctx_.table.betStructure);
  SelectQuietly(rake_, ctx_.table.rakePercent);
  SelectQuietly(ante_, ctx_.table.anteMode);
  SelectQuietly(raises_, ctx_.table.raiseCap);

  const QSignalBlocker block(progressive_);
  progressive_->setChecked(ctx_.table.progressiveLevel != 0);
}

void BettingDialog::OnBaseBetChosen(int index) {
  if (index < 0) return;
  if (static_cast<size_t>(index) < kBaseBets.size()) {
    ctx_.table.baseBet = kBaseBets[static_cast<size_t>(index)];
  }
  RefreshBettingDialog(ctx_.table.baseBet);
}

void BettingDialog::OnStructureChosen(int index) {
  if (index < 0) return;
  ctx_.table.betStructure = static_cast<uint8_t>(index);
  if (index == StructureCustom) {
    CustomBettingDialog custom(ctx_, this);
    custom.exec();
    RefreshBettingDialog(ctx_.table.baseBet);
  }
}

}  // namespace qf
