// The drawing area widget.
#include "meshcond/ui/drawing_area.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

namespace meshcond::ui {

DrawingArea::DrawingArea(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Image1"));
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  image_ = QImage(1, 1, QImage::Format_RGB32);
  image_.fill(Qt::white);
}

void DrawingArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.drawImage(0, 0, image_);
}

void DrawingArea::resizeEvent(QResizeEvent* event) {
  // The picture stays as it was until the next redraw takes up the new size.
  QSize size = event->size().expandedTo(QSize(1, 1));
  QImage resized(size, QImage::Format_RGB32);
  resized.fill(Qt::white);
  {
    QPainter painter(&resized);
    painter.drawImage(0, 0, image_);
  }
  image_ = resized;
}

void DrawingArea::mousePressEvent(QMouseEvent* event) {
  if (!onPress) return;
  MouseButton button = event->button() == Qt::LeftButton    ? MouseButton::Left
                       : event->button() == Qt::RightButton ? MouseButton::Right
                                                            : MouseButton::Middle;
  QPoint p = event->position().toPoint();
  onPress(p.x(), p.y(), button);
}

void DrawingArea::mouseMoveEvent(QMouseEvent* event) {
  if (!onMove) return;
  QPoint p = event->position().toPoint();
  onMove(p.x(), p.y());
}

}  // namespace meshcond::ui
