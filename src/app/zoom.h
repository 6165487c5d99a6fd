// The table's zoom factor for a screen.
#pragma once

#include <QSize>

namespace qf {

// The largest whole factor (at most 4) at which the window, with its menu bar
// and frame, fits comfortably in the available screen area; at least 1.
int DefaultZoom(const QSize& available);

}  // namespace qf
