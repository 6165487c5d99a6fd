#include "dialogs/player_settings_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "dialogs/dialog_layout.h"
#include "dialogs/dialog_pictures.h"
#include "dialogs/seat_money.h"
#include "dialogs/seat_name.h"
#include "dialogs/seat_preview.h"
#include "engine/cash.h"

namespace qf {

namespace {

constexpr const char* kKindNames[kKindCount] = {
    "Human",
    "Hidden Human",
    "Inactive",
    "Smart Computer",
    "Tight Computer",
    "Loose Computer",
    "Stupid Computer",
    "Paranoid Computer",
    "Bluffing Computer",
    "Erratic Computer",
};

// Where each statistic sits in the grid below the kind list: row, column
// and column span.
struct StatPlace {
  int row;
  int column;
  int span;
};
constexpr StatPlace kStatPlaces[kSeatStatCount] = {
    {0, 0, 1}, {0, 1, 1}, {1, 0, 1}, {1, 1, 1}, {2, 0, 1},
    {2, 1, 1}, {3, 0, 2}, {4, 0, 2}, {5, 0, 2},
};

}  // namespace

PlayerSettingsDialog::PlayerSettingsDialog(DialogContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
  setWindowTitle(QStringLiteral("Player Settings"));
  auto* layout = new QVBoxLayout(this);

  auto* top = new QGridLayout;
  seatList_ = new QComboBox(this);
  nameBox_ = new QLineEdit(this);
  // No more characters than a name keeps: what is typed is what is stored.
  nameBox_->setMaxLength(kLongestTypedName);
  kindList_ = new QComboBox(this);
  preview_ = new SeatPreview(ctx_.zoom, this);
  top->addWidget(new QLabel(QStringLiteral("Settings for:"), this), 0, 0);
  top->addWidget(seatList_, 0, 1);
  top->addWidget(new QLabel(QStringLiteral("Name:"), this), 1, 0);
  top->addWidget(nameBox_, 1, 1);
  top->addWidget(preview_, 2, 0, Qt::AlignLeft | Qt::AlignVCenter);
  top->addWidget(kindList_, 2, 1);
  top->setColumnStretch(1, 1);
  layout->addLayout(top);
  layout->addSpacing(6);

  auto* statsGrid = new QGridLayout;
  for (int i = 0; i < kSeatStatCount; ++i) {
    auto* label = new QLabel(this);
    stats_[static_cast<size_t>(i)] = label;
    const StatPlace& place = kStatPlaces[i];
    statsGrid->addWidget(label, place.row, place.column, 1, place.span);
  }
  statsGrid->setColumnStretch(0, 1);
  statsGrid->setColumnStretch(1, 1);
  layout->addLayout(statsGrid);
  layout->addSpacing(10);

  auto* buttons = new QHBoxLayout;
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  cashIn_ = new QPushButton(QStringLiteral("Cash In"), this);
  buyIn_ = new QPushButton(QStringLiteral("Buy In"), this);
  ok_->setDefault(true);
  buttons->addWidget(ok_);
  buttons->addWidget(cashIn_);
  buttons->addWidget(buyIn_);
  buttons->addStretch(1);
  layout->addLayout(buttons);
  layout->addStretch(1);

  connect(seatList_, &QComboBox::currentIndexChanged, this, &PlayerSettingsDialog::OnSeatChosen);
  connect(kindList_, &QComboBox::currentIndexChanged, this, &PlayerSettingsDialog::OnKindChosen);
  connect(cashIn_, &QPushButton::clicked, this, [this] {
    CashIn(ctx_.table.players[ShownSeat()]);
    RefreshPlayerSettings(ShownSeat());
  });
  connect(buyIn_, &QPushButton::clicked, this, [this] {
    BuyIn(ctx_.table, ShownSeat());
    RefreshPlayerSettings(ShownSeat());
  });
  connect(ok_, &QPushButton::clicked, this, &PlayerSettingsDialog::Ok);

  if (ShownSeat() != ctx_.session.settingsSeat) ctx_.session.settingsSeat = ShownSeat();
  FillPlayerSettingsLists();
  RefreshPlayerSettings(ShownSeat());
  FitToTableWidth(*this, ctx_.zoom);
}

int PlayerSettingsDialog::ShownSeat() const {
  const int seat = ctx_.session.settingsSeat;
  return seat >= 0 && seat < kSeatCount ? seat : 0;
}

void PlayerSettingsDialog::FillPlayerSettingsLists() {
  const QSignalBlocker blockSeats(seatList_);
  const QSignalBlocker blockKinds(kindList_);
  seatList_->clear();
  for (int seat = 0; seat < kSeatCount; ++seat) {
    seatList_->addItem(QStringLiteral("Player %1").arg(seat + 1));
  }
  kindList_->clear();
  for (const char* name : kKindNames) kindList_->addItem(QString::fromLatin1(name));
}

void PlayerSettingsDialog::RefreshPlayerSettings(int seat) {
  if (seat < 0 || seat >= kSeatCount) return;
  const PlayerRecord& player = ctx_.table.players[seat];
  for (int i = 0; i < kSeatStatCount; ++i) {
    stats_[static_cast<size_t>(i)]->setText(SeatStatText(player, i));
  }
  nameBox_->setText(SeatNameText(player));
  nameBox_->setFocus();
  {
    const QSignalBlocker block(kindList_);
    kindList_->setCurrentIndex(player.kind < kKindCount ? static_cast<int>(player.kind) : -1);
  }
  {
    const QSignalBlocker block(seatList_);
    seatList_->setCurrentIndex(seat);
  }
  DrawSeatPreview(seat);
}

void PlayerSettingsDialog::StorePlayerName(int seat) {
  // A longer name set elsewhere shows cut short; it is replaced only when the
  // player edits it.
  if (seat < 0 || seat >= kSeatCount || !nameBox_->isModified()) return;
  StoreSeatName(ctx_.table.players[seat], nameBox_->text());
}

void PlayerSettingsDialog::DrawSeatPreview(int seat) {
  if (seat < 0 || seat >= kSeatCount) return;
  preview_->SetPicture(SeatPicture(seat, ctx_.table.players[seat].kind));
}

void PlayerSettingsDialog::OnSeatChosen(int index) {
  if (index < 0 || index == ctx_.session.settingsSeat) return;
  StorePlayerName(ShownSeat());
  ctx_.session.settingsSeat = index;
  RefreshPlayerSettings(index);
}

void PlayerSettingsDialog::OnKindChosen(int index) {
  // Stored at once; the picture keeps its look until the next refresh.
  if (index < 0) return;
  ctx_.table.players[ShownSeat()].kind = static_cast<uint32_t>(index);
}

void PlayerSettingsDialog::Ok() {
  StorePlayerName(ShownSeat());
  accept();
}

void PlayerSettingsDialog::reject() {
  Ok();
}

}  // namespace qf
