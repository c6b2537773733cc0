// The drawing surface on an off-screen image. One painter stays open while
// drawing goes on; flush() closes it before the image is shown.
#pragma once

#include <QImage>
#include <QPainter>
#include <memory>

#include "linemesh/ui/canvas.h"

namespace linemesh::ui {

class QtCanvas : public Canvas {
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
  void fillRect(int x1, int y1, int x2, int y2) override;
  void line(int x1, int y1, int x2, int y2) override;
  void ellipse(int x1, int y1, int x2, int y2) override;
  void rectangle(int x1, int y1, int x2, int y2) override;
  void fillRings(const std::vector<std::vector<std::array<int, 2>>>& rings) override;
  void textOut(int x, int y, const std::string& text) override;

 private:
  QPainter& painter();
  void applyPen(QPainter& p);
  void applyFill(QPainter& p);

  QImage image_;
  std::unique_ptr<QPainter> painter_;
};

}  // namespace linemesh::ui
