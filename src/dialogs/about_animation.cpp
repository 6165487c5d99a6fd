#include "dialogs/about_animation.h"

namespace qf {

namespace {

constexpr int kLeftRest = 22;
constexpr int kTopRest = 72;
constexpr int kRightRest = 192;

bool Inside(int x, int y, int left, int top, int right, int bottom) {
  return x >= left && x < right && y >= top && y < bottom;
}

}  // namespace

void AboutPieces::Step() {
  if (leftX + 2 < 24) leftX += 2;
  if (topY + 4 < 76) topY += 4;
  if (rightX - 3 > 189) rightX -= 3;
}

bool AboutPieces::AtRest() const {
  return leftX == kLeftRest && topY == kTopRest && rightX == kRightRest;
}

AboutHotSpot AboutHotSpotAt(int x, int y) {
  if (Inside(x, y, 65, 187, 178, 198)) return AboutHotSpot::ContactUs;
  if (Inside(x, y, 44, 202, 196, 213)) return AboutHotSpot::Trademarks;
  if (Inside(x, y, 52, 221, 189, 229)) return AboutHotSpot::WebPage;
  return AboutHotSpot::None;
}

}  // namespace qf
