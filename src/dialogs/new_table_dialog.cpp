#include "dialogs/new_table_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/betting_dialog.h"
#include "dialogs/dialog_layout.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/player_settings_dialog.h"
#include "dialogs/preferences_dialog.h"
#include "flow/seat_counts.h"

namespace qf {

namespace {

constexpr int kFewestPlayers = 2;
constexpr int kSmallTableMostPlayers = 6;

}  // namespace

NewTableDialog::NewTableDialog(DialogContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
  setWindowTitle(QStringLiteral("New Table"));
  auto* layout = new QVBoxLayout(this);

  visitor_ = new QCheckBox(QStringLiteral("Visitor"), this);
  visitor_->setLayoutDirection(Qt::RightToLeft);  // text left of the box
  auto* visitorRow = new QHBoxLayout;
  visitorRow->addWidget(visitor_);
  visitorRow->addStretch(1);
  layout->addLayout(visitorRow);

  auto* gameRow = new QHBoxLayout;
  gameRow->addWidget(new QLabel(QStringLiteral("Game"), this));
  texas_ = new QRadioButton(QStringLiteral("Texas"), this);
  omaha_ = new QRadioButton(QStringLiteral("Omaha"), this);
  auto* variantGroup = new QButtonGroup(this);
  variantGroup->addButton(texas_);
  variantGroup->addButton(omaha_);
  gameRow->addWidget(texas_);
  gameRow->addWidget(omaha_);
  gameRow->addStretch(1);
  layout->addLayout(gameRow);

  layout->addWidget(new QLabel(QStringLiteral("Game Level"), this));
  auto* levelRow = new QHBoxLayout;
  beginner_ = new QRadioButton(QStringLiteral("Beginner"), this);
  intermediate_ = new QRadioButton(QStringLiteral("Intermediate"), this);
  pro_ = new QRadioButton(QStringLiteral("Pro"), this);
  auto* levelGroup = new QButtonGroup(this);
  for (QRadioButton* button : {beginner_, intermediate_, pro_}) {
    levelGroup->addButton(button);
    levelRow->addWidget(button);
    connect(button, &QRadioButton::clicked, this, &NewTableDialog::OnLevelClicked);
  }
  levelRow->addStretch(1);
  layout->addLayout(levelRow);

  auto* countsRow = new QHBoxLayout;
  countsRow->addWidget(new QLabel(QStringLiteral("Players:"), this));
  players_ = new QComboBox(this);
  countsRow->addWidget(players_);
  countsRow->addSpacing(8);
  countsRow->addWidget(new QLabel(QStringLiteral("Humans:"), this));
  humans_ = new QComboBox(this);
  countsRow->addWidget(humans_);
  countsRow->addStretch(1);
  layout->addLayout(countsRow);
  layout->addSpacing(6);

  auto* dialogButtons = new QGridLayout;
  betting_ = new QPushButton(QStringLiteral("Betting"), this);
  settings_ = new QPushButton(QStringLiteral("Settings"), this);
  seats_ = new QPushButton(QStringLiteral("Players"), this);
  dialogButtons->addWidget(betting_, 0, 0, 1, 2);
  dialogButtons->addWidget(settings_, 1, 0);
  dialogButtons->addWidget(seats_, 1, 1);
  dialogButtons->setColumnStretch(2, 1);
  layout->addLayout(dialogButtons);
  layout->addSpacing(6);

  auto* endRow = new QHBoxLayout;
  go_ = new QPushButton(QStringLiteral("Go"), this);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  help_ = new QPushButton(QStringLiteral("Help"), this);
  go_->setDefault(true);
  endRow->addWidget(go_);
  endRow->addWidget(cancel_);
  endRow->addWidget(help_);
  endRow->addStretch(1);
  layout->addLayout(endRow);
  layout->addStretch(1);

  connect(visitor_, &QCheckBox::toggled, this, &NewTableDialog::OnVisitorToggled);
  connect(texas_, &QRadioButton::clicked, this, [this] {
    ctx_.table.holeCards = texas_->isChecked() ? kTexasHoleCards : kOmahaHoleCards;
  });
  connect(omaha_, &QRadioButton::clicked, this, [this] {
    ctx_.table.holeCards = omaha_->isChecked() ? kOmahaHoleCards : kTexasHoleCards;
  });
  connect(players_, &QComboBox::currentIndexChanged, this, &NewTableDialog::OnPlayersChosen);
  connect(humans_, &QComboBox::currentIndexChanged, this, &NewTableDialog::OnHumansChosen);
  connect(betting_, &QPushButton::clicked, this, [this] {
    BettingDialog dialog(ctx_, this);
    RunNested(dialog);
  });
  connect(seats_, &QPushButton::clicked, this, [this] {
    PlayerSettingsDialog dialog(ctx_, this);
    RunNested(dialog);
  });
  connect(settings_, &QPushButton::clicked, this, [this] {
    PreferencesDialog dialog(ctx_, this);
    RunNested(dialog);
  });
  connect(help_, &QPushButton::clicked, this, [this] {
    if (ctx_.openHelp) ctx_.openHelp(QStringLiteral("NewTable_Help"));
  });
  connect(go_, &QPushButton::clicked, this, &NewTableDialog::Go);
  connect(cancel_, &QPushButton::clicked, this, &NewTableDialog::Cancel);

  RefreshNewTable();
  FitToTableWidth(*this, ctx_.zoom);
}

QRadioButton* NewTableDialog::LevelButton(int level) const {
  if (level < 0) return beginner_;
  return level == 0 ? intermediate_ : pro_;
}

void NewTableDialog::RefreshNewTable() {
  // Setting the controls must not run their commands again.
  const QSignalBlocker blockVisitor(visitor_);
  const QSignalBlocker blockPlayers(players_);
  const QSignalBlocker blockHumans(humans_);

  const SeatCounts counts = CountSeatKinds(ctx_.table);
  ctx_.table.smallTable = counts.playerCount <= kSmallTableMostPlayers ? 1 : 0;

  LevelButton(counts.skillBalance)->setChecked(true);

  // Both radio buttons off for a value that is neither variant.
  auto* variantGroup = texas_->group();
  variantGroup->setExclusive(false);
  texas_->setChecked(ctx_.table.holeCards == kTexasHoleCards);
  omaha_->setChecked(ctx_.table.holeCards == kOmahaHoleCards);
  variantGroup->setExclusive(true);

  visitor_->setChecked(ctx_.session.visitorMode);
  SetBettingButtonLabel(ctx_.table.baseBet);

  players_->clear();
  for (int n = kFewestPlayers; n <= kSeatCount; ++n) players_->addItem(QString::number(n));
  players_->setCurrentIndex(std::max(counts.playerCount, kFewestPlayers) - kFewestPlayers);

  humans_->clear();
  for (int n = 0; n <= counts.playerCount; ++n) humans_->addItem(QString::number(n));
  humans_->setCurrentIndex(counts.humanCount);
}

void NewTableDialog::SetBettingButtonLabel(uint32_t baseBet) {
  betting_->setText(BettingButtonText(ctx_.table.betStructure, baseBet));
}

void NewTableDialog::OnVisitorToggled(bool checked) {
  ctx_.session.visitorMode = checked;
  if (checked) {
    QMessageBox::information(
        this, QStringLiteral("Visitor"),
        QStringLiteral("The game will not be saved when exiting the program."));
  }
}

void NewTableDialog::OnLevelClicked() {
  // The first checked of the three decides; none checked does nothing.
  for (int level : {-1, 0, 1}) {
    if (LevelButton(level)->isChecked()) {
      AssignComputerKinds(ctx_.table, ctx_.rng, level);
      return;
    }
  }
}

void NewTableDialog::OnPlayersChosen(int index) {
  if (index < 0) return;
  SetSeatCounts(ctx_.table, ctx_.rng, index + kFewestPlayers, -1);
  RefreshNewTable();
}

void NewTableDialog::OnHumansChosen(int index) {
  if (index < 0) return;
  SetSeatCounts(ctx_.table, ctx_.rng, -1, index);
  RefreshNewTable();
}

void NewTableDialog::RunNested(QDialog& dialog) {
  dialog.exec();
  RefreshNewTable();
}

void NewTableDialog::Go() {
  ctx_.session.visitorMode = visitor_->isChecked();
  ctx_.table.holeCards = texas_->isChecked() ? kTexasHoleCards : kOmahaHoleCards;
  accept();
}

void NewTableDialog::Cancel() {
  ctx_.table.dealer = kDealerCancelled;
  accept();
}

void NewTableDialog::reject() {
  Cancel();
}

}  // namespace qf
