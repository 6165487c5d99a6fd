// A small pixel canvas over QImage: hard-edged drawing for pictures that carry a key colour.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <initializer_list>
#include <map>
#include <string_view>
#include <vector>

namespace qf::paint {

struct Rgb {
  int r = 0, g = 0, b = 0;
  QRgb Value() const { return qRgb(r, g, b); }
  Rgb Scaled(double f) const;  // darker (f < 1) or lighter toward white (f > 1)
  Rgb Mixed(Rgb other, double t) const;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kPortraitKey{0x33, 0xFF, 0x00};
inline constexpr Rgb kChipKey{0xFF, 0x33, 0xFF};
inline constexpr Rgb kCardKey{0x00, 0xFF, 0x00};

// Maps characters of a sprite's rows to colours; unmapped characters are left untouched.
using Palette = std::map<char, Rgb>;

class Canvas {
 public:
  Canvas(int width, int height, Rgb fill);
  explicit Canvas(QImage image);

  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  QImage& Image() { return image_; }
  const QImage& Image() const { return image_; }

  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }
  void Set(int x, int y, Rgb c);
  Rgb Get(int x, int y) const;
  void Fill(int x, int y, int w, int h, Rgb c);
  void HLine(int x0, int x1, int y, Rgb c);
  void VLine(int x, int y0, int y1, Rgb c);
  void Line(int x0, int y0, int x1, int y1, Rgb c);
  // Ellipse through pixel centres: (px + 0.5 - cx)^2 / rx^2 + ... <= 1.
  void FillEllipse(double cx, double cy, double rx, double ry, Rgb c);
  // Pixels of the ellipse that touch its outside (4-neighbourhood).
  void EllipseOutline(double cx, double cy, double rx, double ry, Rgb c);
  // Rounded rectangle with corner radius r (0 = square); filled, optional 1-pixel border.
  void RoundRect(int x, int y, int w, int h, int r, Rgb fill, const Rgb* border);
  // Rows of characters drawn at (x, y); flipping turns the sprite by 180 degrees.
  void Sprite(int x, int y, std::initializer_list<std::string_view> rows, const Palette& pal,
              bool turned = false);
  void Sprite(int x, int y, const std::vector<std::string_view>& rows, const Palette& pal,
              bool turned = false);
  // Replaces every pixel of colour `from` by `to`.
  void Replace(Rgb from, Rgb to);
  // Copies a block of another canvas; pixels of `key` in the source are skipped when given.
  void Blit(const Canvas& src, int sx, int sy, int w, int h, int dx, int dy, const Rgb* key);

 private:
  QImage image_;
};

bool InRoundRect(int px, int py, int x, int y, int w, int h, int r);

}  // namespace qf::paint
