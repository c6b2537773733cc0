// The drawing surface on an off-screen image. One painter stays open while
// drawing goes on; flush() closes it before the image is shown.
//
// A redraw at the tables' capacity is a hundred thousand lines, thirty
// thousand node discs and as many element numbers, so the canvas draws in
// bulk: lines of the same pen are collected and drawn together, lines
// wholly off the image are skipped, and small discs and digits are copied
// from images drawn once. The pixels are those of drawing each one alone.
#pragma once

#include <QFont>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "linemesh/ui/painter_canvas.h"

namespace linemesh::ui {

class QtCanvas : public PainterCanvas {
 public:
  QtCanvas(int w, int h);
  ~QtCanvas() override;

  /// A new white image of the given size (at least 1 by 1).
  void resize(int w, int h);
  /// Draws what is collected and ends the open painter so that the image can be read.
  void flush();
  const QImage& image();

  int width() const override { return image_.width(); }
  int height() const override { return image_.height(); }
  void fillRect(int x1, int y1, int x2, int y2) override;
  void line(int x1, int y1, int x2, int y2) override;
  void ellipse(int x1, int y1, int x2, int y2) override;
  void rectangle(int x1, int y1, int x2, int y2) override;
  void fillRings(const std::vector<std::vector<std::array<int, 2>>>& rings) override;
  void textOut(int x, int y, const std::string& text) override;

 protected:
  QPainter& painter() override;

 private:
  /// The pixels a shape covers, drawn once and copied wherever it is drawn
  /// again: offsets from its box's top left and the colour of each.
  struct Stamp {
    struct Dot {
      int dx, dy;
      QRgb colour;
    };
    std::vector<Dot> dots;
  };
  /// The coverage of each digit in the painter's font, with its advance: the
  /// pixels it covers wholly, and the others with what they keep of the
  /// colour under them (255 - coverage). Offsets are in pixels of the image's
  /// rows, from the digit's top left.
  struct DigitStamps {
    struct Dot {
      int16_t dx, dy;
      int offset;
      uint keep;
    };
    std::array<std::vector<Dot>, 10> covered, edges;
    std::array<int, 10> width{};
    std::array<qreal, 10> advance{};
    int height = 0;
    qsizetype rowLength = 0;  // pixels from one image row to the next
  };

  /// Draws the collected lines.
  void drawLines();
  const Stamp& ellipseStamp(int w, int h);
  const DigitStamps& digitStamps();

  QImage image_;
  std::unique_ptr<QPainter> painter_;
  std::vector<QLine> lines_;  // drawn with linesTools_
  DrawingTools linesTools_;
  std::map<std::tuple<int, int, Rgb, int, PenStyle, Rgb, FillStyle>, Stamp> ellipses_;
  QFont digitsFont_;
  std::unique_ptr<DigitStamps> digits_;
  bool digitsChecked_ = false;  // digits_ drawn in the open painter's font
};

}  // namespace linemesh::ui
