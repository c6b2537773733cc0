#include "desktop/rubber_band.h"

#include <algorithm>

namespace desktop {

void setInverting(QPainter& painter, bool inverting) {
  painter.setCompositionMode(inverting ? QPainter::RasterOp_NotSourceXorDestination
                                       : QPainter::CompositionMode_SourceOver);
}

QRect bandRect(QPoint a, QPoint b) {
  return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
               QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

void drawBandRectangle(QPainter& painter, QRect rect, const QPen& pen) {
  painter.save();
  setInverting(painter, true);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect);
  painter.restore();
}

}  // namespace desktop
