#include "app/bet_popup_list.h"

#include <QKeyEvent>
#include <algorithm>

#include "flow/table_geometry.h"

namespace qf {
namespace {

// Table pixels: the list's left edge, width and row height; its bottom edge is
// the bottom of the table area.
constexpr int kPopupLeft = 110;
constexpr int kPopupWidth = 80;
constexpr int kRowHeight = 15;

}  // namespace

BetPopupList::BetPopupList(const BetPopupState& popup, int zoom, BetPopupHandlers handlers,
                           QWidget* parent)
    : QListWidget(parent), rows_(popup.rowCount), handlers_(std::move(handlers)) {
  setObjectName("betPopup");
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFrameShape(QFrame::Box);
  setLineWidth(1);
  setStyleSheet(
      "QListWidget { background: white; color: black; }"
      "QListWidget::item:selected { background: #000080; color: white; }");
  for (int i = 0; i < rows_; ++i) addItem(QString::fromLatin1(popup.texts[i].c_str()));
  connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    if (handlers_.commit) handlers_.commit(row(item));
  });
  PlaceForZoom(zoom);
}

void BetPopupList::PlaceForZoom(int zoom) {
  const int height = kRowHeight * rows_;
  setGeometry(kPopupLeft * zoom, (kTableHeight - height) * zoom, kPopupWidth * zoom, height * zoom);
  QFont rowFont = font();
  rowFont.setPixelSize(11 * zoom);
  setFont(rowFont);
  const int inner = height * zoom - 2 * frameWidth();
  for (int i = 0; i < count(); ++i) {
    // Spread the inner height over the rows so the last one ends at the border.
    const int top = inner * i / rows_;
    const int bottom = inner * (i + 1) / rows_;
    item(i)->setSizeHint(QSize(kPopupWidth * zoom - 2 * frameWidth(), bottom - top));
  }
}

int BetPopupList::SelectedRow() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : row(selected.first());
}

void BetPopupList::MoveSelection(int step) {
  int current = SelectedRow();
  if (current < 0) {
    current = step > 0 ? 0 : rows_ - 1;
  } else {
    current = std::clamp(current + step, 0, rows_ - 1);
  }
  setCurrentRow(current, QItemSelectionModel::ClearAndSelect);
}

void BetPopupList::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!event->isAutoRepeat() && handlers_.commit) handlers_.commit(SelectedRow());
      return;
    case Qt::Key_Left:
      if (handlers_.dismiss) handlers_.dismiss(1);
      return;
    case Qt::Key_Right:
      if (handlers_.dismiss) handlers_.dismiss(3);
      return;
    case Qt::Key_Up:
      MoveSelection(-1);
      return;
    case Qt::Key_Down:
      MoveSelection(1);
      return;
    default:
      // Every other key leaves the list as it is (and keeps the focus in it).
      event->accept();
      return;
  }
}

}  // namespace qf
