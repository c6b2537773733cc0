// The cursors of the windows: the wait cursor while a long operation runs,
// and the mesh maker's drawing surface: 1 a pencil (line drawing), 2 a
// diagonal cross (deletion), 3 an upright cross (division and area
// selection), 4 a pointing hand (picking faces).
#pragma once

#include <QCursor>

namespace desktop {

/// The wait cursor over the whole application for as long as it lives.
class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

/// The cursor of the given number (1 to 4; anything else gives the arrow).
QCursor surfaceCursor(int number);

}  // namespace desktop
