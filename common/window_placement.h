// Where a main window goes at start: its frame, title bar included, in the
// top left corner of the screen's work area, filling it. Arithmetic only, so
// that both editors' windows place themselves alike and tests check it.
#pragma once

namespace common {

struct WindowBox {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const WindowBox&) const = default;
};

/// The widths of a window's frame round its client area.
struct FrameMargins {
  int left = 0, top = 0, right = 0, bottom = 0;
};

/// The client area of a window whose frame fills the work area from its top
/// left corner (at least 1 by 1).
WindowBox clientAreaFilling(const WindowBox& workArea, const FrameMargins& frame);

}  // namespace common
