// The table on screen: the left 240 x 269 of the back buffer scaled by a whole
// zoom factor, and the mouse and keys turned into table input.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <set>

class QPainter;

namespace qf {

enum class StylusEvent { Down, Move, Up };

struct TableWidgetHandlers {
  // x and y in table pixels (widget pixels divided by the zoom, rounded down).
  std::function<void(StylusEvent event, int x, int y)> stylus;
  // key is an InputKey code; down is true for a press, false for a release.
  std::function<void(int key, bool down)> key;
  // Called after every paint of the widget.
  std::function<void()> painted;
};

// Qt key to the table's key code (KeyNone for keys the table does not use).
int TableKeyFor(int qtKey);

class TableWidget : public QWidget {
  Q_OBJECT
 public:
  TableWidget(const QImage& backBuffer, int zoom, QWidget* parent = nullptr);

  void SetHandlers(TableWidgetHandlers handlers) { handlers_ = std::move(handlers); }
  void SetZoom(int zoom);
  int Zoom() const { return zoom_; }

  // A line of text over the table (the player's odds), centred in area (in
  // table pixels), drawn with a real font at the zoom so it reads at every
  // size; an empty text shows nothing.
  void SetOverlay(const QString& text, const QRect& area);
  const QString& OverlayText() const { return overlayText_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void SendStylus(StylusEvent event, const QPointF& position);

  void DrawOverlay(QPainter& painter);

  const QImage& backBuffer_;
  int zoom_ = 1;
  QString overlayText_;
  QRect overlayArea_;
  TableWidgetHandlers handlers_;
  // Keys pressed while the table had the focus: a release acts only for these,
  // so a key that closed the bet popup does not act again on the table.
  std::set<int> keysDown_;
};

}  // namespace qf
