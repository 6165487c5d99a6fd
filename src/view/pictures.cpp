#include "view/pictures.h"

namespace qf {

int PictureKeyColour(int id) {
  constexpr int kLimeKey = 0x33FF00;
  constexpr int kMagentaKey = 0xFF33FF;
  constexpr int kGreenKey = 0x00FF00;
  constexpr int kWhiteKey = 0xFFFFFF;
  switch (id) {
    case 108:
    case 110:
    case 111:
    case 118:
    case 148:
    case 149:
    case 150:  // bubbles
    case 116:
    case 119:  // tiles
    case 120:
    case 121:
    case 122:
    case 123:
    case 124:
    case 125:  // portraits
    case 142:
    case 143:
    case 144:
    case 145:
    case 147:  // dealer marker
      return kLimeKey;
    case 112:
    case 113:
    case 114:
    case 115:  // chips
      return kMagentaKey;
    case 152:
    case 169:  // card faces, turn marker
      return kGreenKey;
    case 117:
    case 128:
    case 156:
    case 168:
    case 174:
    case 175:
      return kWhiteKey;
    default:
      return -1;
  }
}

QString PicturePath(int id) {
  return QStringLiteral(":/pictures/%1.png").arg(id);
}

QImage LoadKeyedPicture(int id) {
  QImage image(PicturePath(id));
  if (image.isNull()) return image;
  image = image.convertToFormat(QImage::Format_ARGB32);
  const int key = PictureKeyColour(id);
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb rgb = row[x] & 0x00FFFFFFu;
      // Pictures carry no alpha of their own: a pixel is either drawn or not.
      row[x] = (key >= 0 && rgb == static_cast<QRgb>(key)) ? 0u : (rgb | 0xFF000000u);
    }
  }
  return image;
}

const QImage& PictureCache::Get(int id) {
  if (id < kFirstId || id > kLastId) return none_;
  const auto index = static_cast<size_t>(id - kFirstId);
  if (!loaded_[index]) {
    pictures_[index] = LoadKeyedPicture(id);
    loaded_[index] = true;
  }
  return pictures_[index];
}

}  // namespace qf
