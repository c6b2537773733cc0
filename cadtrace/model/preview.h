// The preview of a converted network: DispXY maps the model onto pixel
// positions and draws through a small canvas interface that the window
// implements (and tests record).
#pragma once

#include "cadtrace/model/line_model.h"

namespace cadtrace {

/// The drawing operations the preview needs, in pixels (y grows downwards),
/// each with the canvas's current pen and brush.
class PreviewCanvas {
 public:
  virtual ~PreviewCanvas() = default;
  /// An ellipse inscribed in the box with the corners (x1, y1) and (x2, y2).
  virtual void ellipse(int x1, int y1, int x2, int y2) = 0;
  /// A straight segment from (x1, y1) to (x2, y2).
  virtual void line(int x1, int y1, int x2, int y2) = 0;
};

/// Pixel positions for a network on an image of width x height pixels: the
/// nodes' extents are centred and fitted, with a margin of 5 %, to the image.
class PreviewMapping {
 public:
  PreviewMapping(const LineModel& model, int width, int height);
  /// Truncated toward zero; far-off values are clamped.
  int pixelX(double x) const;
  int pixelY(double y) const;
  double scale() const { return s_; }

 private:
  double xc_ = 0, yc_ = 0, s_ = 1;
  int width_ = 0, height_ = 0;
};

/// Draws every node as a circle of radius 2 pixels, then every line. A
/// network with no extent in x or y (or no nodes) is drawn all the same.
void DispXY(const LineModel& model, int width, int height, PreviewCanvas& canvas);

}  // namespace cadtrace
