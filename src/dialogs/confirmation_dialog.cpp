#include "dialogs/confirmation_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/dialog_layout.h"

namespace qf {

namespace {

constexpr int kMostButtons = 3;
constexpr int kDefaultZoom = 2;

}  // namespace

ConfirmationDialog::ConfirmationDialog(const QString& message, const QStringList& buttons,
                                       QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Confirmation"));
  auto* layout = new QVBoxLayout(this);

  message_ = new QLabel(message, this);
  message_->setAlignment(Qt::AlignCenter);
  message_->setWordWrap(true);
  layout->addWidget(message_);
  layout->addSpacing(12);

  const int shown = std::min<int>(static_cast<int>(buttons.size()), kMostButtons);
  for (int i = 0; i < shown; ++i) {
    auto* button = new QPushButton(buttons[i], this);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    if (i == 0) button->setDefault(true);
    const int answer = i + 1;
    connect(button, &QPushButton::clicked, this, [this, answer] { Choose(answer); });
    layout->addWidget(button);
    buttons_.append(button);
  }
  layout->addStretch(1);

  const int zoom =
      parent != nullptr ? std::max(1, parent->width() / kDialogTableWidth) : kDefaultZoom;
  FitToTableWidth(*this, zoom);
}

QPushButton* ConfirmationDialog::Button(int answer) const {
  if (answer < 1 || answer > buttons_.size()) return nullptr;
  return buttons_[answer - 1];
}

void ConfirmationDialog::Choose(int answer) {
  answer_ = answer;
  accept();
}

void ConfirmationDialog::reject() {
  // Closing the window is its OK: no answer is chosen.
  answer_ = 0;
  accept();
}

}  // namespace qf
