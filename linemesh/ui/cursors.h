// The cursors of the drawing surface: 1 a pencil (line drawing), 2 a diagonal
// cross (deletion), 3 an upright cross (division and area selection), 4 a
// pointing hand (picking faces).
#pragma once

#include <QCursor>

namespace linemesh::ui {

/// The cursor of the given number (1 to 4; anything else gives the arrow).
QCursor surfaceCursor(int number);

}  // namespace linemesh::ui
