// The drawing area (Image1): shows the off-screen image and forwards the mouse.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "meshcond/interaction/editor.h"

namespace meshcond::ui {

class DrawingArea : public QWidget {
 public:
  explicit DrawingArea(QWidget* parent = nullptr);

  /// The image the redraw paints; it follows the widget's size.
  QImage& image() { return image_; }

  std::function<void(int x, int y, MouseButton button)> onPress;
  std::function<void(int x, int y)> onMove;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QImage image_;
};

}  // namespace meshcond::ui
