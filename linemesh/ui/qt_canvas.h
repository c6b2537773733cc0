// The drawing surface on an off-screen image. One painter stays open while
// drawing goes on; flush() closes it before the image is shown.
#pragma once

#include <QImage>
#include <QPainter>
#include <memory>

#include "linemesh/ui/painter_canvas.h"

namespace linemesh::ui {

class QtCanvas : public PainterCanvas {
 public:
  QtCanvas(int w, int h);
  ~QtCanvas() override;

  /// A new white image of the given size (at least 1 by 1).
  void resize(int w, int h);
  /// Ends the open painter so that the image can be read.
  void flush();
  const QImage& image();

  int width() const override { return image_.width(); }
  int height() const override { return image_.height(); }

 protected:
  QPainter& painter() override;

 private:
  QImage image_;
  std::unique_ptr<QPainter> painter_;
};

}  // namespace linemesh::ui
