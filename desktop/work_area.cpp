#include "desktop/work_area.h"

#include <QScreen>
#include <QWidget>

#include "common/window_placement.h"

namespace desktop {

void fillWorkArea(QWidget& window) {
  const QScreen* screen = window.screen();
  if (!screen) return;
  const QRect work = screen->availableGeometry();
  const QRect frame = window.frameGeometry(), client = window.geometry();
  const common::WindowBox box =
      common::clientAreaFilling({work.x(), work.y(), work.width(), work.height()},
                                {client.left() - frame.left(), client.top() - frame.top(),
                                 frame.right() - client.right(), frame.bottom() - client.bottom()});
  window.setGeometry(box.left, box.top, box.width, box.height);
}

}  // namespace desktop
