#include "dialogs/seat_preview.h"

#include <QPainter>
#include <algorithm>

#include "dialogs/dialog_pictures.h"

namespace qf {

namespace {

constexpr int kPreviewSize = 20;

}  // namespace

SeatPreview::SeatPreview(int zoom, QWidget* parent) : QWidget(parent), zoom_(std::max(zoom, 1)) {
  setFixedSize(kPreviewSize * zoom_, kPreviewSize * zoom_);
}

void SeatPreview::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void SeatPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  DrawScaled(painter, 0, 0, picture_, zoom_);
}

}  // namespace qf
