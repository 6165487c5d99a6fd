#include "flow/table_geometry.h"

namespace qf {

namespace {

// Ten seats around a 4 x 4 grid, clockwise from the top-left corner; the
// centre is the 3 x 2 block right of the left column.
bool TenSeatRect(const Rect& b, Rect& out, int seat) {
  const int w = (b.right - b.left) / 4;  // C++ division rounds toward zero
  const int h = (b.bottom - b.top) / 4;
  const int L = b.left, T = b.top;
  static constexpr int kCells[10][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 3},
                                        {2, 3}, {1, 3}, {0, 3}, {0, 2}, {0, 1}};
  if (seat == -1) {
    out = {L + w, T + h, L + 4 * w, T + 3 * h};
    return true;
  }
  if (seat < 0 || seat > 9) return false;
  const int cx = kCells[seat][0], cy = kCells[seat][1];
  out = {L + cx * w, T + cy * h, L + (cx + 1) * w, T + (cy + 1) * h};
  return true;
}

// Six seats: three along the top left to right, three along the bottom right
// to left, each inset 15 pixels on its left. The centre is fixed.
bool SixSeatRect(const Rect& b, Rect& out, int seat) {
  const int w = (b.right - b.left) / 3;
  const int h = (b.bottom - b.top) / 4;
  const int L = b.left, T = b.top;
  if (seat == -1) {
    out = {25, 60, 215, 180};
    return true;
  }
  if (seat < 0 || seat > 5) return false;
  const int column = seat < 3 ? seat : 5 - seat;
  const int row = seat < 3 ? 0 : 3;
  out = {L + column * w + 15, T + row * h, L + (column + 1) * w, T + (row + 1) * h};
  return true;
}

}  // namespace

void SeatRect(uint8_t smallTable, const Rect& base, Rect& out, int seat) {
  if (smallTable == 0) {
    TenSeatRect(base, out, seat);
  } else if (smallTable == 1) {
    SixSeatRect(base, out, seat);
  }
}

Rect SeatRectOf(uint8_t smallTable, const Rect& base, int seat) {
  Rect out;
  SeatRect(smallTable, base, out, seat);
  return out;
}

Rect ButtonHitRect(int button) {
  const int left = 5 + 75 * (button - 1);
  return {left, 244, left + 70, 264};
}

Rect ButtonEraseRect(int button) {
  const int left = 5 + 75 * (button - 1);
  return {left, 244, left + 71, 265};
}

}  // namespace qf
