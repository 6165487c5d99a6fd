// Table geometry in table pixels: the 240 x 269 area, the seat rectangles of
// the ten-seat and six-seat layouts, the centre, pot cells and buttons.
// Rectangles include their left and top edges and exclude right and bottom.
#pragma once

#include <array>

#include "engine/table_record.h"

namespace qf {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

inline constexpr int kTableWidth = 240;
inline constexpr int kTableHeight = 269;
inline constexpr Rect kTableRect{0, 0, 240, 240};
inline constexpr Rect kWholeArea{0, 0, 240, 269};

// Seat rectangle (seat 0..9) or centre (seat -1) derived from base in the
// layout of smallTable (0 ten seats, 1 six seats). Leaves out unchanged for a
// seat outside the layout or any other smallTable value.
void SeatRect(uint8_t smallTable, const Rect& base, Rect& out, int seat);

// Convenience: SeatRect from a zero rectangle.
Rect SeatRectOf(uint8_t smallTable, const Rect& base, int seat);

// Action buttons 1..3: hit and text rectangle, face position, erase rectangle.
Rect ButtonHitRect(int button);
Rect ButtonEraseRect(int button);

}  // namespace qf
