#include "app/zoom.h"

#include "app/command_line.h"
#include "flow/table_geometry.h"

namespace qf {
namespace {

// Room left for the window frame, title bar, menu bar and desktop panels
// around the table, and for the frame and title bar of a dialog.
constexpr int kSideMargin = 40;
constexpr int kTopBottomMargin = 110;
constexpr int kDialogFrameHeight = 40;

bool Fits(const QSize& window, int sideMargin, int topBottomMargin, const QSize& available) {
  return window.width() + sideMargin <= available.width() &&
         window.height() + topBottomMargin <= available.height();
}

}  // namespace

int DefaultZoom(const QSize& available, const WindowSizeAtZoom& tallestDialog) {
  for (int zoom = kMaxZoom; zoom > kMinZoom; --zoom) {
    const QSize table(kTableWidth * zoom, kTableHeight * zoom);
    if (Fits(table, kSideMargin, kTopBottomMargin, available) &&
        Fits(tallestDialog(zoom), kSideMargin, kDialogFrameHeight, available))
      return zoom;
  }
  return kMinZoom;
}

}  // namespace qf
