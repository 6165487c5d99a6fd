#include "app/zoom.h"

#include "app/command_line.h"
#include "flow/table_geometry.h"

namespace qf {
namespace {

// Room left for the window frame, title bar, menu bar and desktop panels.
constexpr int kSideMargin = 40;
constexpr int kTopBottomMargin = 110;

}  // namespace

int DefaultZoom(const QSize& available) {
  for (int zoom = kMaxZoom; zoom > kMinZoom; --zoom) {
    if (kTableWidth * zoom + kSideMargin <= available.width() &&
        kTableHeight * zoom + kTopBottomMargin <= available.height())
      return zoom;
  }
  return kMinZoom;
}

}  // namespace qf
