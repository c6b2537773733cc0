#include "desktop/cursors.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace desktop {

BusyCursor::BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }

BusyCursor::~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }

namespace {

constexpr int kSize = 32;

// Draws the shape twice: a wide white outline, then the black figure, so the
// cursor shows on white paper and on black lines alike.
template <typename Draw>
QPixmap outlined(Draw draw) {
  QPixmap pm(kSize, kSize);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing, false);
  draw(p, QPen(Qt::white, 3));
  draw(p, QPen(Qt::black, 1));
  return pm;
}

QCursor pencil() {
  // Tip at the bottom left, the body running up to the right.
  const QPixmap pm = outlined([](QPainter& p, const QPen& pen) {
    p.setPen(pen);
    QPainterPath body;
    body.moveTo(1, 30);  // tip
    body.lineTo(4, 22);
    body.lineTo(24, 2);
    body.lineTo(29, 7);
    body.lineTo(9, 27);
    body.closeSubpath();
    p.drawPath(body);
    p.drawLine(4, 22, 9, 27);   // end of the sharpened wood
    p.drawLine(20, 6, 25, 11);  // ferrule
  });
  return QCursor(pm, 1, 30);
}

QCursor diagonalCross() {
  const QPixmap pm = outlined([](QPainter& p, const QPen& pen) {
    p.setPen(pen);
    p.drawLine(6, 6, 25, 25);
    p.drawLine(6, 25, 25, 6);
  });
  return QCursor(pm, 15, 15);
}

QCursor uprightCross() {
  const QPixmap pm = outlined([](QPainter& p, const QPen& pen) {
    p.setPen(pen);
    p.drawLine(15, 3, 15, 28);
    p.drawLine(3, 15, 28, 15);
  });
  return QCursor(pm, 15, 15);
}

}  // namespace

QCursor surfaceCursor(int number) {
  switch (number) {
    case 1:
      return pencil();
    case 2:
      return diagonalCross();
    case 3:
      return uprightCross();
    case 4:
      return QCursor(Qt::PointingHandCursor);
    default:
      return QCursor(Qt::ArrowCursor);
  }
}

}  // namespace desktop
