#include "suits.h"

#include <cmath>

namespace qf::paint {

namespace {
using Rows = std::vector<std::string_view>;
const Rows kSpade = {"  #  ", " ### ", "#####", "#####", "  #  ", " ### "};
const Rows kClub = {" ### ", " ### ", "# # #", "#####", "  #  ", " ### "};
const Rows kDiamond = {"  #  ", " ### ", "#####", "#####", " ### ", "  #  "};
const Rows kHeart = {" # # ", "#####", "#####", "#####", " ### ", "  #  "};

bool InCircle(double u, double v, double cu, double cv, double r) {
  return (u - cu) * (u - cu) + (v - cv) * (v - cv) <= r * r;
}

// Point (u, v) in triangle (a, b, c).
bool InTriangle(double u, double v, double ax, double ay, double bx, double by, double cx,
                double cy) {
  auto side = [&](double px, double py, double qx, double qy) {
    return (qx - px) * (v - py) - (qy - py) * (u - px);
  };
  double d1 = side(ax, ay, bx, by), d2 = side(bx, by, cx, cy), d3 = side(cx, cy, ax, ay);
  bool neg = d1 < 0 || d2 < 0 || d3<0, pos = d1> 0 || d2 > 0 || d3 > 0;
  return !(neg && pos);
}

// Shapes in the square u, v in [-1, 1], v pointing down.
bool InHeart(double u, double v) {
  return InCircle(u, v, -0.48, -0.42, 0.52) || InCircle(u, v, 0.48, -0.42, 0.52) ||
         InTriangle(u, v, -0.97, -0.25, 0.97, -0.25, 0, 1.0);
}

bool InShape(int suit, double u, double v) {
  switch (suit) {
    case 0:  // spade: a heart upside down on a flared stem
      return InHeart(u, -(1.2516 * v + 0.2516)) || InTriangle(u, v, 0, 0.15, -0.4, 1.0, 0.4, 1.0);
    case 1:  // club: three balls on a flared stem
      return InCircle(u, v, 0, -0.55, 0.43) || InCircle(u, v, -0.55, 0.13, 0.43) ||
             InCircle(u, v, 0.55, 0.13, 0.43) || InCircle(u, v, 0, -0.05, 0.2) ||
             InTriangle(u, v, 0, 0.0, -0.34, 1.0, 0.34, 1.0);
    case 2:  // diamond
      return std::abs(u) / 0.78 + std::abs(v) <= 1.0;
    default:
      return InHeart(u, v);
  }
}
}  // namespace

const std::vector<std::string_view>& SmallSuit(int suit) {
  switch (suit) {
    case 0:
      return kSpade;
    case 1:
      return kClub;
    case 2:
      return kDiamond;
    default:
      return kHeart;
  }
}

bool SuitIsRed(int suit) {
  return suit >= 2;
}

Rgb SuitInk(int suit) {
  return SuitIsRed(suit) ? Rgb{206, 18, 32} : Rgb{24, 24, 28};
}

void DrawLargeSuit(Canvas& c, int suit, int x, int y, int w, int h, Rgb ink) {
  const int n = 4;  // samples per axis
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      int hits = 0;
      for (int sj = 0; sj < n; ++sj)
        for (int si = 0; si < n; ++si) {
          double u = ((i + (si + 0.5) / n) / w) * 2.0 - 1.0;
          double v = ((j + (sj + 0.5) / n) / h) * 2.0 - 1.0;
          if (InShape(suit, u, v)) ++hits;
        }
      if (hits * 2 >= n * n) c.Set(x + i, y + j, ink);
    }
}

}  // namespace qf::paint
