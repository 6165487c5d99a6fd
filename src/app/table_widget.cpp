#include "app/table_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "flow/table_geometry.h"
#include "flow/table_input.h"

namespace qf {

int TableKeyFor(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Left:
      return KeyLeft;
    case Qt::Key_Right:
      return KeyRight;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return KeyAction;
    case Qt::Key_1:
      return KeyDigit1;
    case Qt::Key_2:
      return KeyDigit2;
    case Qt::Key_3:
      return KeyDigit3;
    default:
      return KeyNone;
  }
}

TableWidget::TableWidget(const QImage& backBuffer, int zoom, QWidget* parent)
    : QWidget(parent), backBuffer_(backBuffer) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  SetZoom(zoom);
}

void TableWidget::SetZoom(int zoom) {
  zoom_ = zoom;
  setFixedSize(kTableWidth * zoom_, kTableHeight * zoom_);
  update();
}

void TableWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  // Only the exposed part is scaled: source rectangle in table pixels.
  const QRect exposed = event->rect();
  const QRect source(exposed.left() / zoom_, exposed.top() / zoom_, exposed.width() / zoom_ + 2,
                     exposed.height() / zoom_ + 2);
  const QRect clipped = source.intersected(QRect(0, 0, kTableWidth, kTableHeight));
  painter.drawImage(QRect(clipped.topLeft() * zoom_, clipped.size() * zoom_), backBuffer_, clipped);
  if (!overlayText_.isEmpty()) DrawOverlay(painter);
  if (handlers_.painted) handlers_.painted();
}

void TableWidget::SetOverlay(const QString& text, const QRect& area) {
  if (text == overlayText_ && area == overlayArea_) return;
  const QRect before(overlayArea_.topLeft() * zoom_, overlayArea_.size() * zoom_);
  overlayText_ = text;
  overlayArea_ = area;
  update(before);
  update(QRect(area.topLeft() * zoom_, area.size() * zoom_));
}

void TableWidget::DrawOverlay(QPainter& painter) {
  const QRect area(overlayArea_.topLeft() * zoom_, overlayArea_.size() * zoom_);
  QFont font = painter.font();
  font.setBold(true);
  // As large as the strip is high, smaller if the line would not fit its width.
  int pixels = std::max(6, area.height() - 2 * zoom_);
  for (; pixels > 6; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetrics(font).horizontalAdvance(overlayText_) + 4 * zoom_ <= area.width()) break;
  }
  font.setPixelSize(pixels);
  painter.setFont(font);
  const int width = QFontMetrics(font).horizontalAdvance(overlayText_) + 4 * zoom_;
  const QRect box(area.center().x() - width / 2, area.top(), width, area.height());
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 170));
  painter.drawRoundedRect(box, 2 * zoom_, 2 * zoom_);
  painter.setPen(Qt::white);
  painter.drawText(box, Qt::AlignCenter, overlayText_);
}

void TableWidget::SendStylus(StylusEvent event, const QPointF& position) {
  if (!handlers_.stylus) return;
  const int x = static_cast<int>(std::floor(position.x() / zoom_));
  const int y = static_cast<int>(std::floor(position.y() / zoom_));
  handlers_.stylus(event, x, y);
}

void TableWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  SendStylus(StylusEvent::Down, event->position());
}

void TableWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  SendStylus(StylusEvent::Move, event->position());
}

void TableWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  SendStylus(StylusEvent::Up, event->position());
}

void TableWidget::keyPressEvent(QKeyEvent* event) {
  const int key = TableKeyFor(event->key());
  if (key == KeyNone || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (event->isAutoRepeat()) return;
  keysDown_.insert(key);
  if (handlers_.key) handlers_.key(key, true);
}

void TableWidget::keyReleaseEvent(QKeyEvent* event) {
  const int key = TableKeyFor(event->key());
  if (key == KeyNone || event->isAutoRepeat()) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  if (keysDown_.erase(key) == 0) return;
  if (handlers_.key) handlers_.key(key, false);
}

void TableWidget::focusOutEvent(QFocusEvent* event) {
  keysDown_.clear();
  QWidget::focusOutEvent(event);
}

}  // namespace qf
