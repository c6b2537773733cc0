// The drawing surface on any painter: the window's off-screen image, or the
// page of a figure (PDF, SVG, PNG).
#pragma once

#include <QPainter>

#include "linemesh/interaction/canvas.h"

namespace linemesh::ui {

class PainterCanvas : public Canvas {
 public:
  /// Draws with painter into a surface of w x h units from its origin.
  PainterCanvas(QPainter& painter, int w, int h);

  int width() const override { return width_; }
  int height() const override { return height_; }
  void fillRect(int x1, int y1, int x2, int y2) override;
  void line(int x1, int y1, int x2, int y2) override;
  void ellipse(int x1, int y1, int x2, int y2) override;
  void rectangle(int x1, int y1, int x2, int y2) override;
  void fillRings(const std::vector<std::vector<std::array<int, 2>>>& rings) override;
  void textOut(int x, int y, const std::string& text) override;

 protected:
  /// For a surface that opens its painter when drawing starts.
  PainterCanvas() = default;
  virtual QPainter& painter() { return *painter_; }
  /// The current pen, or fill, of the drawing tools on a painter.
  void applyPen(QPainter& p);
  void applyFill(QPainter& p);

 private:
  QPainter* painter_ = nullptr;
  int width_ = 0, height_ = 0;
};

}  // namespace linemesh::ui
