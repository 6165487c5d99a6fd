// Small table pictures: chips, speech bubbles, tiles, markers, felt, table and button faces.
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "pictures.h"
#include "pixel_fonts.h"

namespace qf::paint {

namespace {

// Paints `mask` pixels with `fill`, those touching the outside of the mask with `border`.
void PaintMask(Canvas& c, const std::function<bool(int, int)>& mask, Rgb fill, Rgb border) {
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      if (!mask(x, y)) continue;
      bool edge = !mask(x - 1, y) || !mask(x + 1, y) || !mask(x, y - 1) || !mask(x, y + 1);
      c.Set(x, y, edge ? border : fill);
    }
}

bool InEllipse(int x, int y, double cx, double cy, double rx, double ry) {
  double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
  return dx * dx + dy * dy <= 1.0;
}

struct ChipColours {
  Rgb face, side, stripe;
};

}  // namespace

QImage Chip(int index) {
  static const ChipColours kColours[4] = {
      {{176, 52, 40}, {122, 34, 26}, {244, 232, 214}},    // 5: red-brown
      {{44, 86, 204}, {26, 52, 142}, {240, 240, 246}},    // 25: blue
      {{242, 242, 236}, {196, 196, 190}, {48, 92, 206}},  // 1: white
      {{24, 116, 56}, {12, 72, 34}, {240, 240, 220}},     // 100: dark green
  };
  const ChipColours& k = kColours[index];
  Canvas c(9, 10, kChipKey);
  auto top = [](int x, int y) { return InEllipse(x, y, 4.5, 3.2, 4.5, 3.2); };
  auto body = [&](int x, int y) {
    return top(x, y) || InEllipse(x, y, 4.5, 6.8, 4.5, 3.2) ||
           (x >= 0 && x < 9 && y >= 3 && y <= 6);
  };
  Rgb dark = k.side.Scaled(0.6);
  PaintMask(c, body, k.side, dark);
  // Stripes on the edge.
  for (int y = 0; y < 10; ++y)
    for (int x : {1, 4, 7})
      if (body(x, y) && !top(x, y) && body(x, y + 1)) c.Set(x, y, k.stripe);
  // Top face with a ring of dashes.
  PaintMask(c, top, k.face, k.face.Scaled(0.7));
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 7; ++y) {
      bool ring = InEllipse(x, y, 4.5, 3.2, 3.4, 2.3) && !InEllipse(x, y, 4.5, 3.2, 2.2, 1.3);
      if (ring && (x + y) % 2 == 0) c.Set(x, y, k.stripe);
    }
  c.Set(4, 3, k.face.Scaled(1.25));
  return c.Image();
}

QImage SpeechBubble(std::string_view word) {
  Canvas c(36, 21, kPortraitKey);
  auto bodyMask = [](int x, int y) { return InRoundRect(x, y, 0, 0, 36, 16, 6); };
  auto tail = [](int x, int y) {
    // A tail from the bubble's lower edge, pointing down-left at the portrait.
    if (y < 14 || y > 20) return false;
    double t = y - 14;  // 0..6
    double left = 8.0 - 0.9 * t, right = 14.0 - 1.7 * t;
    return x + 0.5 >= left && x + 0.5 <= right + 1.0;
  };
  auto mask = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < 36 && y < 21 && (bodyMask(x, y) || tail(x, y));
  };
  PaintMask(c, mask, {255, 255, 250}, {20, 20, 20});
  Rgb ink{24, 24, 24};
  if (word == "I Win") ink = {200, 20, 30};
  if (word == "Collect") ink = {20, 120, 40};
  const PixelFont& font = BubbleFont();
  int w = TextWidth(font, word);
  DrawText(c, font, (36 - w) / 2, 4, word, ink);
  return c.Image();
}

QImage Tile(std::string_view word) {
  Canvas c(20, 20, kPortraitKey);
  Rgb border{8, 54, 24};
  c.RoundRect(0, 0, 20, 20, 4, {22, 98, 46}, &border);
  c.HLine(3, 16, 1, {58, 142, 80});
  c.VLine(1, 3, 16, {58, 142, 80});
  c.HLine(3, 16, 18, {14, 72, 34});
  c.VLine(18, 3, 16, {14, 72, 34});
  const PixelFont& font = TinyFont();
  int w = TextWidth(font, word);
  DrawText(c, font, (20 - w) / 2 + 1, 8, word, {10, 40, 16});  // shadow
  DrawText(c, font, (20 - w) / 2, 7, word, {250, 240, 190});
  return c.Image();
}

QImage DealerMarker() {
  Canvas c(7, 7, kPortraitKey);
  auto disc = [](int x, int y) { return InEllipse(x, y, 3.5, 3.5, 3.6, 3.6); };
  PaintMask(c, disc, {36, 92, 226}, {12, 34, 110});
  c.Sprite(2, 1, {"### ", "#  #", "#  #", "#  #", "### "}, {{'#', {250, 250, 240}}});
  return c.Image();
}

QImage TurnStar() {
  Canvas c(9, 9, kCardKey);
  // A five-pointed star sampled at 4 x 4 points per pixel.
  auto inStar = [](double u, double v) {
    const double kPi = 3.14159265358979;
    double px[10], py[10];
    for (int i = 0; i < 10; ++i) {
      double r = i % 2 == 0 ? 4.6 : 1.95;
      double a = -kPi / 2 + i * kPi / 5;
      px[i] = 4.5 + r * std::cos(a);
      py[i] = 4.9 + r * std::sin(a);
    }
    bool in = false;
    for (int i = 0, j = 9; i < 10; j = i++)
      if ((py[i] > v) != (py[j] > v) && u < (px[j] - px[i]) * (v - py[i]) / (py[j] - py[i]) + px[i])
        in = !in;
    return in;
  };
  auto mask = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= 9 || y >= 9) return false;
    int hits = 0;
    for (int j = 0; j < 4; ++j)
      for (int i = 0; i < 4; ++i) hits += inStar(x + (i + 0.5) / 4, y + (j + 0.5) / 4);
    return hits >= 6;
  };
  PaintMask(c, mask, {255, 222, 40}, {214, 24, 24});
  return c.Image();
}

QImage Felt() {
  // Two colours only. Every term below repeats within 40 pixels, so the tile has no seam.
  Canvas c(40, 40, {0, 0, 0});
  Rgb maroon{104, 22, 34}, brown{92, 54, 30};
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      int cx = (x + 5) % 10 - 5, cy = (y + 5) % 10 - 5;  // offset from the nearest lattice point
      int d = std::abs(cx) + std::abs(cy);
      bool even = (((x + 5) / 10) + ((y + 5) / 10)) % 2 == 0;
      bool ring = even && d == 3;                                 // hollow diamonds
      bool dot = !even && d <= 1;                                 // small dots between them
      bool grain = (x + 2 * y) % 8 == 0 && (3 * x + y) % 5 == 0;  // sparse felt speckle
      c.Set(x, y, ring || dot || grain ? brown : maroon);
    }
  return c.Image();
}

QImage TablePicture() {
  const int w = 190, h = 120, r = 22;
  Canvas c(w, h, kWhite);
  Rgb woodDark{92, 50, 20}, wood{150, 92, 42}, woodLight{200, 140, 76};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!InRoundRect(x, y, 0, 0, w, h, r)) continue;
      // Depth below the outer edge, following the rounded corners, and the position around
      // the table: the grain runs along the rim like bent wood.
      double px = x + 0.5, py = y + 0.5;
      double cx = std::clamp(px, static_cast<double>(r), static_cast<double>(w - r));
      double cy = std::clamp(py, static_cast<double>(r), static_cast<double>(h - r));
      double depth;
      if (cx != px && cy != py)
        depth = r - std::hypot(px - cx, py - cy);
      else
        depth = std::min(std::min(px, w - px), std::min(py, h - py));
      double along = std::atan2(py - h / 2.0, (px - w / 2.0) * 0.63) * 60.0;
      double grain =
          std::sin(depth * 1.9 + 1.6 * std::sin(along * 0.05) + 0.7 * std::sin(along * 0.17));
      double knot = std::sin(along * 0.031 + depth * 0.4);
      Rgb col = wood;
      if (grain > 0.55) col = wood.Mixed(woodLight, (grain - 0.55) * 1.6);
      if (grain < -0.6) col = wood.Mixed(woodDark, (-0.6 - grain) * 1.8);
      if (knot > 0.97) col = col.Mixed(woodDark, 0.5);
      // Rounded profile: light along the top of the rim, darker towards both of its edges.
      if (depth < 1.2)
        col = woodDark.Scaled(0.7);
      else if (depth < 2.6)
        col = col.Mixed(woodLight, 0.45);
      else if (depth > 7.5)
        col = col.Mixed(woodDark, 0.35);
      c.Set(x, y, col);
    }
  // Felt with an inset shadow where it meets the rim.
  Rgb felt{24, 112, 52};
  c.Fill(9, 9, 171, 102, felt);
  Rgb shadow = woodDark.Scaled(0.6);
  c.HLine(8, 180, 8, shadow);
  c.HLine(8, 180, 111, woodLight);
  c.VLine(8, 8, 111, shadow);
  c.VLine(180, 8, 111, woodLight);
  c.HLine(9, 179, 9, felt.Scaled(0.7));
  c.VLine(9, 9, 110, felt.Scaled(0.7));
  return c.Image();
}

QImage ButtonFace(bool lit) {
  Canvas c(65, 21, kWhite);
  Rgb top = lit ? Rgb{246, 204, 84} : Rgb{92, 140, 232};
  Rgb bottom = lit ? Rgb{176, 112, 8} : Rgb{22, 54, 150};
  Rgb border = lit ? Rgb{104, 62, 0} : Rgb{12, 28, 88};
  Rgb shine = lit ? Rgb{255, 236, 160} : Rgb{170, 200, 250};
  for (int y = 0; y < 21; ++y)
    for (int x = 0; x < 65; ++x) {
      if (!InRoundRect(x, y, 0, 0, 65, 21, 6)) continue;
      bool edge =
          !InRoundRect(x - 1, y, 0, 0, 65, 21, 6) || !InRoundRect(x + 1, y, 0, 0, 65, 21, 6) ||
          !InRoundRect(x, y - 1, 0, 0, 65, 21, 6) || !InRoundRect(x, y + 1, 0, 0, 65, 21, 6);
      Rgb col = top.Mixed(bottom, y / 20.0);
      if (y <= 9) col = col.Mixed(shine, 0.25 * (1.0 - y / 10.0));
      c.Set(x, y, edge ? border : col);
    }
  // Bevel: light line under the top edge, dark line above the bottom edge.
  for (int x = 5; x < 60; ++x) {
    c.Set(x, 1, shine);
    c.Set(x, 19, bottom.Scaled(0.75));
  }
  return c.Image();
}

QImage GlyphPicture(Rgb ink) {
  Canvas c(182, 33, {0, 0, 0});
  const PixelFont& font = LabelFont();
  auto cell = [&](char ch, int cx, int cy) {
    auto it = font.glyphs.find(ch);
    if (it != font.glyphs.end()) c.Sprite(cx + 1, cy + 1, it->second, {{'#', ink}});
  };
  std::string_view top = "$0123456789:";
  for (int i = 0; i < static_cast<int>(top.size()); ++i) cell(top[i], 7 * i, 0);
  for (int i = 0; i < 26; ++i) {
    cell(static_cast<char>('A' + i), 7 * i, 11);
    cell(static_cast<char>('a' + i), 7 * i, 22);
  }
  return c.Image();
}

}  // namespace qf::paint
