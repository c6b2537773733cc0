// The canvas on the drawing area's off-screen image.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>

#include "meshcond/ui/canvas.h"

namespace meshcond::ui {

/// Paints into an image (Format_RGB32) for as long as it lives.
class ImageCanvas : public Canvas {
 public:
  explicit ImageCanvas(QImage& image);

  void clear(Colour colour) override;
  void polygon(const std::array<Pixel, 4>& corners, Colour fill, Colour outline) override;
  void circle(Pixel centre, int radius, Colour colour) override;
  void text(Pixel topLeft, std::string_view utf8, Colour colour, int pointSize) override;
  void bandRectangle(Pixel a, Pixel b) override;
  void rectangle(Pixel a, Pixel b, Colour colour) override;

  /// The font of the window and the drawing ("ＭＳ Ｐゴシック").
  static QFont drawingFont(int pointSize);

 private:
  void useFont(int pointSize);
  /// Numbers are blended from cached digit images: drawing 20000 element
  /// numbers through the text layout would take most of a redraw.
  void digits(Pixel topLeft, std::string_view text, Colour colour, int pointSize);

  QImage& image_;
  QPainter painter_;
  int fontSize_ = 0;
  int ascent_ = 0;
};

/// A packed 0x00BBGGRR colour as a QColor.
QColor toQColor(Colour colour);

}  // namespace meshcond::ui
