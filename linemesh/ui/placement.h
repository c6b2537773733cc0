// Where the mesh maker's window goes at start: its frame, title bar
// included, in the top left corner of the screen's work area, filling it.
#pragma once

namespace linemesh::ui {

struct Box {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Box&) const = default;
};

/// The widths of a window's frame round its client area.
struct FrameMargins {
  int left = 0, top = 0, right = 0, bottom = 0;
};

/// The client area of a window whose frame fills the work area from its top
/// left corner (at least 1 by 1).
Box clientAreaFilling(const Box& workArea, const FrameMargins& frame);

}  // namespace linemesh::ui
