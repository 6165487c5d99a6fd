#include "dialogs/dialog_layout.h"

#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <algorithm>

namespace qf {

QLabel* MakeBoldLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setWeight(QFont::Bold);
  label->setFont(font);
  return label;
}

void FitToTableWidth(QDialog& dialog, int zoom) {
  const int wanted = kDialogTableWidth * std::max(zoom, 1);
  if (dialog.layout() != nullptr) dialog.layout()->activate();
  const QSize hint = dialog.sizeHint();
  dialog.resize(std::max(wanted, dialog.minimumSizeHint().width()), hint.height());
}

}  // namespace qf
