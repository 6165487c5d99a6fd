// The back buffer: twice the table's width, the table's height. The left half
// is what the window shows; the right half is scratch space. Pictures are
// copied in with their transparent pixels left out.
#pragma once

#include <QImage>
#include <cstdint>

#include "flow/table_geometry.h"

namespace qf {

inline constexpr int kBackBufferWidth = 2 * kTableWidth;
inline constexpr int kBackBufferHeight = kTableHeight;
inline constexpr int kScratchOffset = kTableWidth;  // x of the scratch half

// A platform colour 0x00BBGGRR as an opaque pixel.
QRgb PixelFromColorRef(uint32_t colorRef);

class Canvas {
 public:
  Canvas();  // filled white

  const QImage& Image() const { return image_; }
  QImage& Image() { return image_; }

  // The w x h block at (sx, sy) of picture drawn at (x, y); pixels with zero
  // alpha are skipped. Everything is clipped to the picture and the buffer.
  void Blit(const QImage& picture, int x, int y, int sx, int sy, int w, int h);
  void Blit(const QImage& picture, int x, int y) {
    Blit(picture, x, y, 0, 0, picture.width(), picture.height());
  }

  // Fills area with tile repeated from the buffer's origin, so neighbouring
  // fills join seamlessly. A null tile leaves the area as it was.
  void FillTiled(const Rect& area, const QImage& tile);

  void FillSolid(const Rect& area, QRgb pixel);

  // Copies the pixels of from to the block whose top-left corner is (x, y).
  void CopyBlock(const Rect& from, int x, int y);

 private:
  Rect Clip(const Rect& area) const;

  QImage image_;
};

}  // namespace qf
