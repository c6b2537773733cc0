// The preview's circles and segments on the window's picture.
#include "cadtrace/ui/image_canvas.h"

#include <algorithm>

namespace cadtrace::ui {

ImageCanvas::ImageCanvas(QImage& picture) : painter_(&picture), visible_(picture.rect()) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setPen(QPen(Qt::black, 0, Qt::SolidLine));
  painter_.setBrush(QBrush(Qt::white, Qt::SolidPattern));
}

void ImageCanvas::ellipse(int x1, int y1, int x2, int y2) {
  const int left = std::min(x1, x2);
  const int top = std::min(y1, y2);
  const int right = std::max(x1, x2);
  const int bottom = std::max(y1, y2);
  if (right <= left || bottom <= top) return;
  // An outlined QRect covers one more pixel than its width on each axis.
  const QRect box(left, top, right - left - 1, bottom - top - 1);
  if (!box.adjusted(-1, -1, 1, 1).intersects(visible_)) return;
  painter_.drawEllipse(box);
}

void ImageCanvas::line(int x1, int y1, int x2, int y2) {
  painter_.drawLine(QPoint(x1, y1), QPoint(x2, y2));
}

}  // namespace cadtrace::ui
