#include "dialogs/game_stats_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/dialog_layout.h"
#include "dialogs/player_settings_dialog.h"
#include "dialogs/table_figures.h"
#include "flow/seat_counts.h"

namespace qf {

GameStatsDialog::GameStatsDialog(DialogContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
  setWindowTitle(QStringLiteral("Game Stats"));
  auto* layout = new QVBoxLayout(this);

  const TableFigures figures = ComputeTableFigures(ctx_.table);
  const std::array<QString, kFigureCount> captions = {
      QStringLiteral("Total hands played:"), QStringLiteral("Total rake collected:"),
      QStringLiteral("Table Skill:"), QStringLiteral("Number of Players:"),
      QStringLiteral("Cash at Table:")};
  const std::array<QString, kFigureCount> texts = {
      QString::number(figures.totalHands), QString::number(figures.totalRake),
      QString::fromLatin1(SkillLevelName(figures.skillBalance)),
      QString::number(figures.playerCount), QString::number(figures.cashAtTable)};

  auto* grid = new QGridLayout;
  for (int i = 0; i < kFigureCount; ++i) {
    const auto index = static_cast<size_t>(i);
    values_[index] = new QLabel(texts[index], this);
    grid->addWidget(new QLabel(captions[index], this), i, 0);
    grid->addWidget(values_[index], i, 1);
  }
  grid->setColumnStretch(1, 1);
  layout->addLayout(grid);
  layout->addSpacing(12);

  auto* buttons = new QHBoxLayout;
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  individual_ = new QPushButton(QStringLiteral("Individual Stats"), this);
  ok_->setDefault(true);
  buttons->addWidget(ok_);
  buttons->addWidget(individual_);
  buttons->addStretch(1);
  layout->addLayout(buttons);
  layout->addStretch(1);

  connect(ok_, &QPushButton::clicked, this, &GameStatsDialog::accept);
  // The figures are not worked out again afterwards.
  connect(individual_, &QPushButton::clicked, this, [this] {
    PlayerSettingsDialog dialog(ctx_, this);
    dialog.exec();
  });

  FitToTableWidth(*this, ctx_.zoom);
}

}  // namespace qf
