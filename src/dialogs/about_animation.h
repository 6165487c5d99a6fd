// The opening animation of the About box and the hot spots of its picture,
// in picture pixels (240 x 320).
#pragma once

#include <QRect>

namespace qf {

inline constexpr int kAboutWidth = 240;
inline constexpr int kAboutHeight = 320;

// The three pieces slide in from the left, the top and the right.
struct AboutPieces {
  int leftX = 0;     // left piece, at y 102, from 0 to 22
  int topY = 0;      // top piece, at x 102, from 0 to 72
  int rightX = 240;  // right piece, at y 102, from 240 to 192

  // Moves every piece one frame towards its place (2, 4 and 3 pixels).
  void Step();
  bool AtRest() const;
};

inline constexpr int kPieceRowY = 102;
inline constexpr int kTopPieceX = 102;

enum class AboutHotSpot { None, ContactUs, Trademarks, WebPage };

// Which hot spot of the About picture a point falls in (right and bottom
// edges excluded).
AboutHotSpot AboutHotSpotAt(int x, int y);

}  // namespace qf
