#include "dialogs/custom_betting_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/custom_bet_rows.h"
#include "dialogs/dialog_layout.h"
#include "dialogs/dialog_texts.h"

namespace qf {

CustomBettingDialog::CustomBettingDialog(DialogContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
  setWindowTitle(QStringLiteral("Custom Betting"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MakeBoldLabel(QStringLiteral("Custom bet settings"), this));

  list_ = new QListWidget(this);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  layout->addWidget(list_);

  auto* stepRow = new QHBoxLayout;
  lower_ = new QPushButton(QStringLiteral("Lower -"), this);
  raise_ = new QPushButton(QStringLiteral("Raise +"), this);
  // Holding a step button keeps stepping.
  lower_->setAutoRepeat(true);
  raise_->setAutoRepeat(true);
  stepRow->addStretch(1);
  stepRow->addWidget(lower_);
  stepRow->addWidget(raise_);
  stepRow->addStretch(1);
  layout->addLayout(stepRow);
  layout->addSpacing(8);

  auto* endRow = new QHBoxLayout;
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  help_ = new QPushButton(QStringLiteral("Help"), this);
  ok_->setDefault(true);
  endRow->addWidget(ok_);
  endRow->addWidget(cancel_);
  endRow->addWidget(help_);
  endRow->addStretch(1);
  layout->addLayout(endRow);

  connect(lower_, &QPushButton::clicked, this, [this] { StepSelectedRow(-1); });
  connect(raise_, &QPushButton::clicked, this, [this] { StepSelectedRow(+1); });
  connect(ok_, &QPushButton::clicked, this, &CustomBettingDialog::accept);
  // The steps are already stored; Cancel closes like OK.
  connect(cancel_, &QPushButton::clicked, this, &CustomBettingDialog::accept);
  connect(help_, &QPushButton::clicked, this, [this] {
    if (ctx_.openHelp) ctx_.openHelp(QStringLiteral("CustomBet_Help"));
  });

  FillCustomBetList();
  // Tall enough for the nine rows without scrolling.
  const int rowHeight = list_->sizeHintForRow(0);
  if (rowHeight > 0) {
    list_->setMinimumHeight(rowHeight * kCustomBetRows + 2 * list_->frameWidth() + 4);
  }
  FitToTableWidth(*this, ctx_.zoom);
}

void CustomBettingDialog::FillCustomBetList() {
  if (list_->count() != kCustomBetRows) {
    list_->clear();
    for (int row = 0; row < kCustomBetRows; ++row) list_->addItem(QString());
  }
  for (int row = 0; row < kCustomBetRows; ++row) {
    list_->item(row)->setText(CustomBetRowText(row, GetCustomBetRow(ctx_.table, row)));
  }
}

void CustomBettingDialog::StepSelectedRow(int step) {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  if (selected.isEmpty()) return;
  const int row = list_->row(selected.front());
  SetCustomBetRow(ctx_.table, row, int64_t{GetCustomBetRow(ctx_.table, row)} + step);
  FillCustomBetList();
}

}  // namespace qf
