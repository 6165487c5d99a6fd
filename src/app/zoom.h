// The table's zoom factor for a screen.
#pragma once

#include <QSize>
#include <functional>

namespace qf {

// The size a window asks for at a zoom, without its frame.
using WindowSizeAtZoom = std::function<QSize(int zoom)>;

// The largest whole factor (at most 4) at which every window of the game
// fits in the available screen area with its frame: the table window with
// its menu bar, and the tallest dialog (the dialogs grow with the zoom),
// whose size tallestDialog gives. At least 1.
int DefaultZoom(const QSize& available, const WindowSizeAtZoom& tallestDialog);

}  // namespace qf
