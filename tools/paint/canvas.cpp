#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qf::paint {

Rgb Rgb::Scaled(double f) const {
  auto ch = [f](int v) {
    double out = f <= 1.0 ? v * f : v + (255 - v) * (f - 1.0);
    return std::clamp(static_cast<int>(std::lround(out)), 0, 255);
  };
  return {ch(r), ch(g), ch(b)};
}

Rgb Rgb::Mixed(Rgb o, double t) const {
  auto ch = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
  return {ch(r, o.r), ch(g, o.g), ch(b, o.b)};
}

Canvas::Canvas(int width, int height, Rgb fill) : image_(width, height, QImage::Format_RGB32) {
  image_.fill(fill.Value());
}

Canvas::Canvas(QImage image) : image_(image.convertToFormat(QImage::Format_RGB32)) {}

void Canvas::Set(int x, int y, Rgb c) {
  if (Inside(x, y)) image_.setPixel(x, y, c.Value());
}

Rgb Canvas::Get(int x, int y) const {
  QRgb v = image_.pixel(x, y);
  return {qRed(v), qGreen(v), qBlue(v)};
}

void Canvas::Fill(int x, int y, int w, int h, Rgb c) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) Set(i, j, c);
}

void Canvas::HLine(int x0, int x1, int y, Rgb c) {
  if (x0 > x1) std::swap(x0, x1);
  for (int x = x0; x <= x1; ++x) Set(x, y, c);
}

void Canvas::VLine(int x, int y0, int y1, Rgb c) {
  if (y0 > y1) std::swap(y0, y1);
  for (int y = y0; y <= y1; ++y) Set(x, y, c);
}

void Canvas::Line(int x0, int y0, int x1, int y1, Rgb c) {
  int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Set(x0, y0, c);
    if (x0 == x1 && y0 == y1) break;
    int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

namespace {
bool InEllipse(int px, int py, double cx, double cy, double rx, double ry) {
  double dx = (px + 0.5 - cx) / rx, dy = (py + 0.5 - cy) / ry;
  return dx * dx + dy * dy <= 1.0;
}
}  // namespace

void Canvas::FillEllipse(double cx, double cy, double rx, double ry, Rgb c) {
  for (int y = static_cast<int>(cy - ry) - 1; y <= cy + ry + 1; ++y)
    for (int x = static_cast<int>(cx - rx) - 1; x <= cx + rx + 1; ++x)
      if (InEllipse(x, y, cx, cy, rx, ry)) Set(x, y, c);
}

void Canvas::EllipseOutline(double cx, double cy, double rx, double ry, Rgb c) {
  for (int y = static_cast<int>(cy - ry) - 1; y <= cy + ry + 1; ++y)
    for (int x = static_cast<int>(cx - rx) - 1; x <= cx + rx + 1; ++x) {
      if (!InEllipse(x, y, cx, cy, rx, ry)) continue;
      if (!InEllipse(x - 1, y, cx, cy, rx, ry) || !InEllipse(x + 1, y, cx, cy, rx, ry) ||
          !InEllipse(x, y - 1, cx, cy, rx, ry) || !InEllipse(x, y + 1, cx, cy, rx, ry))
        Set(x, y, c);
    }
}

bool InRoundRect(int px, int py, int x, int y, int w, int h, int r) {
  if (px < x || py < y || px >= x + w || py >= y + h) return false;
  if (r <= 0) return true;
  // Distance from the nearest corner circle's centre, measured at pixel centres.
  double cx = std::clamp(px + 0.5, x + static_cast<double>(r), x + w - static_cast<double>(r));
  double cy = std::clamp(py + 0.5, y + static_cast<double>(r), y + h - static_cast<double>(r));
  double dx = px + 0.5 - cx, dy = py + 0.5 - cy;
  return dx * dx + dy * dy <= r * r + 0.25;
}

void Canvas::RoundRect(int x, int y, int w, int h, int r, Rgb fill, const Rgb* border) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) {
      if (!InRoundRect(i, j, x, y, w, h, r)) continue;
      bool edge = !InRoundRect(i - 1, j, x, y, w, h, r) || !InRoundRect(i + 1, j, x, y, w, h, r) ||
                  !InRoundRect(i, j - 1, x, y, w, h, r) || !InRoundRect(i, j + 1, x, y, w, h, r);
      Set(i, j, edge && border ? *border : fill);
    }
}

void Canvas::Sprite(int x, int y, std::initializer_list<std::string_view> rows, const Palette& pal,
                    bool turned) {
  Sprite(x, y, std::vector<std::string_view>(rows), pal, turned);
}

void Canvas::Sprite(int x, int y, const std::vector<std::string_view>& rows, const Palette& pal,
                    bool turned) {
  int h = static_cast<int>(rows.size());
  int w = 0;
  for (auto r : rows) w = std::max(w, static_cast<int>(r.size()));
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < static_cast<int>(rows[j].size()); ++i) {
      auto it = pal.find(rows[j][i]);
      if (it == pal.end()) continue;
      if (turned)
        Set(x + w - 1 - i, y + h - 1 - j, it->second);
      else
        Set(x + i, y + j, it->second);
    }
}

void Canvas::Replace(Rgb from, Rgb to) {
  for (int y = 0; y < Height(); ++y)
    for (int x = 0; x < Width(); ++x)
      if (image_.pixel(x, y) == from.Value()) image_.setPixel(x, y, to.Value());
}

void Canvas::Blit(const Canvas& src, int sx, int sy, int w, int h, int dx, int dy, const Rgb* key) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      if (!src.Inside(sx + i, sy + j)) continue;
      QRgb v = src.image_.pixel(sx + i, sy + j);
      if (key && v == key->Value()) continue;
      if (Inside(dx + i, dy + j)) image_.setPixel(dx + i, dy + j, v);
    }
}

}  // namespace qf::paint
