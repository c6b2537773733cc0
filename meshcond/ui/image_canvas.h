// The canvas on the drawing area's off-screen image.
#pragma once

#include <QImage>
#include <QPainter>

#include "meshcond/ui/painter_canvas.h"

namespace meshcond::ui {

namespace detail {
/// The image canvas's own painter, made before the canvas that draws with it.
struct ImagePainter {
  explicit ImagePainter(QImage& image) : imagePainter(&image) {}
  QPainter imagePainter;
};
}  // namespace detail

/// Paints into an image (Format_RGB32) for as long as it lives.
class ImageCanvas : private detail::ImagePainter, public PainterCanvas {
 public:
  explicit ImageCanvas(QImage& image);

  void text(Pixel topLeft, std::string_view utf8, Colour colour, int pointSize) override;

 private:
  /// Numbers are blended from cached digit images: drawing 20000 element
  /// numbers through the text layout would take most of a redraw.
  void digits(Pixel topLeft, std::string_view text, Colour colour, int pointSize);

  QImage& image_;
};

}  // namespace meshcond::ui
