#include "dialogs/dialog_pictures.h"

#include <QPainter>
#include <QString>
#include <array>

#include "engine/table_record.h"

namespace qf {

namespace {

constexpr std::array<int, kSeatCount> kPortraitStrips = {120, 121, 122, 123, 124,
                                                         125, 143, 144, 145, 142};
constexpr int kPortraitSize = 20;

}  // namespace

QImage LoadPicture(int id) {
  return QImage(QStringLiteral(":/pictures/%1.png").arg(id));
}

QImage LoadKeyedPicture(int id, QRgb key) {
  QImage image = LoadPicture(id);
  if (image.isNull()) return image;
  image = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb opaqueKey = key | 0xFF000000u;
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((line[x] | 0xFF000000u) == opaqueKey) line[x] = 0;
    }
  }
  return image;
}

int SeatPictureId(int seat, uint32_t kind) {
  if (IsHumanKind(kind)) return kHumanSilhouettePicture;
  if (seat < 0 || seat >= kSeatCount) seat = 0;
  return kPortraitStrips[static_cast<size_t>(seat)];
}

QImage SeatPicture(int seat, uint32_t kind) {
  const QImage strip = LoadKeyedPicture(SeatPictureId(seat, kind), kPortraitKeyColor);
  if (strip.isNull()) return strip;
  return strip.copy(0, 0, kPortraitSize, kPortraitSize);
}

void DrawScaled(QPainter& painter, int x, int y, const QImage& image, int zoom) {
  if (image.isNull()) return;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(QRect(x * zoom, y * zoom, image.width() * zoom, image.height() * zoom), image);
  painter.restore();
}

}  // namespace qf
