// A main window over the screen's work area, its frame (title bar included)
// inside it.
#pragma once

class QWidget;

namespace desktop {

/// Places the window so that its frame fills the work area of its screen
/// from the top left corner. Before the window system has framed the window
/// its frame counts as none, so a window placed at start is placed again when
/// first activated.
void fillWorkArea(QWidget& window);

}  // namespace desktop
