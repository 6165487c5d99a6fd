#include "view/canvas.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace qf {

QRgb PixelFromColorRef(uint32_t colorRef) {
  return qRgb(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
              static_cast<int>((colorRef >> 16) & 0xFF));
}

Canvas::Canvas() : image_(kBackBufferWidth, kBackBufferHeight, QImage::Format_RGB32) {
  image_.fill(Qt::white);
}

Rect Canvas::Clip(const Rect& area) const {
  return {std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, image_.width()),
          std::min(area.bottom, image_.height())};
}

void Canvas::Blit(const QImage& picture, int x, int y, int sx, int sy, int w, int h) {
  if (picture.isNull() || w <= 0 || h <= 0) return;
  // Clip the source block to the picture, moving the destination with it.
  if (sx < 0) {
    x -= sx;
    w += sx;
    sx = 0;
  }
  if (sy < 0) {
    y -= sy;
    h += sy;
    sy = 0;
  }
  w = std::min(w, picture.width() - sx);
  h = std::min(h, picture.height() - sy);
  // Then the destination to the buffer.
  const Rect target = Clip({x, y, x + w, y + h});
  if (target.right <= target.left || target.bottom <= target.top) return;
  sx += target.left - x;
  sy += target.top - y;
  const int width = target.right - target.left;
  for (int row = target.top; row < target.bottom; ++row) {
    const auto* src =
        reinterpret_cast<const QRgb*>(picture.constScanLine(sy + row - target.top)) + sx;
    auto* dst = reinterpret_cast<QRgb*>(image_.scanLine(row)) + target.left;
    for (int i = 0; i < width; ++i) {
      if (qAlpha(src[i]) != 0) dst[i] = src[i];
    }
  }
}

void Canvas::FillTiled(const Rect& area, const QImage& tile) {
  if (tile.isNull()) return;
  const Rect r = Clip(area);
  const int tw = tile.width(), th = tile.height();
  for (int row = r.top; row < r.bottom; ++row) {
    const auto* src = reinterpret_cast<const QRgb*>(tile.constScanLine(row % th));
    auto* dst = reinterpret_cast<QRgb*>(image_.scanLine(row));
    int x = r.left;
    while (x < r.right) {
      const int tx = x % tw;
      const int run = std::min(tw - tx, r.right - x);
      std::memcpy(dst + x, src + tx, static_cast<size_t>(run) * sizeof(QRgb));
      x += run;
    }
  }
}

void Canvas::FillSolid(const Rect& area, QRgb pixel) {
  const Rect r = Clip(area);
  for (int row = r.top; row < r.bottom; ++row) {
    auto* dst = reinterpret_cast<QRgb*>(image_.scanLine(row));
    std::fill(dst + r.left, dst + std::max(r.left, r.right), pixel);
  }
}

void Canvas::CopyBlock(const Rect& from, int x, int y) {
  const Rect source = Clip(from);
  const int width = source.right - source.left;
  const int height = source.bottom - source.top;
  if (width <= 0 || height <= 0) return;
  x += source.left - from.left;
  y += source.top - from.top;
  // Through a temporary, so overlapping blocks copy correctly.
  std::vector<QRgb> block(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int row = 0; row < height; ++row) {
    const auto* src = reinterpret_cast<const QRgb*>(image_.constScanLine(source.top + row));
    std::memcpy(&block[static_cast<size_t>(row * width)], src + source.left,
                static_cast<size_t>(width) * sizeof(QRgb));
  }
  const Rect target = Clip({x, y, x + width, y + height});
  for (int row = target.top; row < target.bottom; ++row) {
    auto* dst = reinterpret_cast<QRgb*>(image_.scanLine(row));
    const QRgb* src = &block[static_cast<size_t>((row - y) * width + (target.left - x))];
    std::memcpy(dst + target.left, src,
                static_cast<size_t>(std::max(0, target.right - target.left)) * sizeof(QRgb));
  }
}

}  // namespace qf
