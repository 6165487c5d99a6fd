// Helpers for the picture tests: loading compiled-in pictures and reading their pixels.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <set>

namespace qf::test {

inline QImage LoadPicture(int id) {
  return QImage(QString(":/pictures/%1.png").arg(id)).convertToFormat(QImage::Format_RGB32);
}

inline QRgb Pixel(const QImage& img, int x, int y) {
  return img.pixel(x, y) & 0xFFFFFF;
}

inline constexpr QRgb kPortraitKey = 0x33FF00;
inline constexpr QRgb kChipKey = 0xFF33FF;
inline constexpr QRgb kCardKey = 0x00FF00;
inline constexpr QRgb kWhiteKey = 0xFFFFFF;

// Number of pixels of `colour` inside `area`.
inline int CountColour(const QImage& img, const QRect& area, QRgb colour) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += Pixel(img, x, y) == colour;
  return n;
}

inline std::set<QRgb> Colours(const QImage& img, const QRect& area) {
  std::set<QRgb> out;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) out.insert(Pixel(img, x, y));
  return out;
}

inline bool SameBlock(const QImage& a, const QRect& ra, const QImage& b, const QRect& rb) {
  for (int y = 0; y < ra.height(); ++y)
    for (int x = 0; x < ra.width(); ++x)
      if (Pixel(a, ra.x() + x, ra.y() + y) != Pixel(b, rb.x() + x, rb.y() + y)) return false;
  return true;
}

}  // namespace qf::test
