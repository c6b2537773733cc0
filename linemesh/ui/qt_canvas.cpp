#include "linemesh/ui/qt_canvas.h"

#include <algorithm>

namespace linemesh::ui {

QtCanvas::QtCanvas(int w, int h) { resize(w, h); }

QtCanvas::~QtCanvas() { flush(); }

void QtCanvas::resize(int w, int h) {
  flush();
  image_ = QImage(std::max(w, 1), std::max(h, 1), QImage::Format_RGB32);
  image_.fill(Qt::white);
}

void QtCanvas::flush() {
  if (painter_) {
    painter_->end();
    painter_.reset();
  }
}

const QImage& QtCanvas::image() {
  flush();
  return image_;
}

QPainter& QtCanvas::painter() {
  if (!painter_) painter_ = std::make_unique<QPainter>(&image_);
  return *painter_;
}

}  // namespace linemesh::ui
