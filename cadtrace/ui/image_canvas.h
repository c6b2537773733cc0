// The preview's drawing operations carried out on the window's picture.
#pragma once

#include <QImage>
#include <QPainter>

#include "cadtrace/model/preview.h"

namespace cadtrace::ui {

/// Paints on a picture with a black one-pixel pen and a white fill, without
/// smoothing, while it lives.
class ImageCanvas : public PreviewCanvas {
 public:
  explicit ImageCanvas(QImage& picture);

  /// Fills the box from the lesser to the greater corner, the greater
  /// corner's row and column left out (a box 4 pixels wide for corners 4 apart).
  void ellipse(int x1, int y1, int x2, int y2) override;
  void line(int x1, int y1, int x2, int y2) override;

 private:
  QPainter painter_;
  QRect visible_;
};

}  // namespace cadtrace::ui
