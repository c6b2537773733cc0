// The condition editor's drawing operations on any painter: the drawing
// area's image, or the page of a figure (PDF, SVG, PNG).
#pragma once

#include <QFont>
#include <QPainter>
#include <QRect>

#include "meshcond/interaction/canvas.h"

namespace meshcond::ui {

class PainterCanvas : public Canvas {
 public:
  /// Draws with painter into area. Outlines are lineWidth device units
  /// wide, or one device pixel with 0.
  PainterCanvas(QPainter& painter, QRect area, double lineWidth = 0);

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

  QPainter& painter_;
  QRect area_;
  double lineWidth_;
  int fontSize_ = 0;
  int ascent_ = 0;
};

/// A packed 0x00BBGGRR colour as a QColor.
QColor toQColor(Colour colour);

}  // namespace meshcond::ui
