// Glyphs drawn with QPainter at two sizes, so they stay sharp on a dense screen.
#include "cadtrace/ui/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace cadtrace::ui {
namespace {

using Painting = std::function<void(QPainter&)>;

// Paints on a transparent square, with coordinates always in 0..kGlyphSize.
QPixmap glyphPixmap(int side, const Painting& paint) {
  QPixmap pixmap(side, side);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(double(side) / kGlyphSize, double(side) / kGlyphSize);
  paint(painter);
  return pixmap;
}

QIcon glyphIcon(const Painting& paint) {
  QIcon icon;
  icon.addPixmap(glyphPixmap(kGlyphSize, paint));
  icon.addPixmap(glyphPixmap(2 * kGlyphSize, paint));
  return icon;
}

// A filled arrow along y = midY from x0 to x1 (pointing right).
void rightArrow(QPainter& painter, double x0, double x1, double midY, const QColor& colour) {
  QPainterPath arrow;
  arrow.moveTo(x0, midY - 2.0);
  arrow.lineTo(x1 - 5.0, midY - 2.0);
  arrow.lineTo(x1 - 5.0, midY - 5.0);
  arrow.lineTo(x1, midY);
  arrow.lineTo(x1 - 5.0, midY + 5.0);
  arrow.lineTo(x1 - 5.0, midY + 2.0);
  arrow.lineTo(x0, midY + 2.0);
  arrow.closeSubpath();
  painter.setPen(QPen(colour.darker(150), 0.8));
  painter.setBrush(colour);
  painter.drawPath(arrow);
}

void paintConvert(QPainter& painter) {
  // The sheet with a folded corner.
  QPainterPath sheet;
  sheet.moveTo(2.5, 1.5);
  sheet.lineTo(11.5, 1.5);
  sheet.lineTo(15.5, 5.5);
  sheet.lineTo(15.5, 21.5);
  sheet.lineTo(2.5, 21.5);
  sheet.closeSubpath();
  painter.setPen(QPen(QColor(90, 90, 90), 1.0));
  painter.setBrush(Qt::white);
  painter.drawPath(sheet);
  painter.drawLine(QPointF(11.5, 1.5), QPointF(11.5, 5.5));
  painter.drawLine(QPointF(11.5, 5.5), QPointF(15.5, 5.5));

  // A section: ground line, a slope and a crossing line, with their nodes.
  const QPointF points[] = {{4.5, 17.5}, {8.0, 17.5}, {12.0, 10.0}, {14.0, 10.0}};
  painter.setPen(QPen(QColor(20, 70, 200), 1.2));
  painter.drawPolyline(points, 4);
  painter.drawLine(QPointF(4.5, 12.5), QPointF(14.0, 14.5));
  painter.setBrush(QColor(20, 70, 200));
  for (const QPointF& p : points) painter.drawEllipse(p, 1.1, 1.1);

  rightArrow(painter, 11.0, 23.0, 17.0, QColor(40, 170, 60));
}

void paintExit(QPainter& painter) {
  // Door frame and the open door leaf.
  painter.setPen(QPen(QColor(80, 60, 40), 1.0));
  painter.setBrush(QColor(235, 225, 205));
  painter.drawRect(QRectF(3.5, 2.5, 11.0, 19.0));
  QPainterPath leaf;
  leaf.moveTo(3.5, 2.5);
  leaf.lineTo(9.5, 4.5);
  leaf.lineTo(9.5, 23.0);
  leaf.lineTo(3.5, 21.5);
  leaf.closeSubpath();
  painter.setBrush(QColor(160, 100, 50));
  painter.drawPath(leaf);
  painter.setBrush(QColor(240, 200, 80));
  painter.drawEllipse(QPointF(8.0, 13.0), 0.9, 0.9);

  rightArrow(painter, 11.0, 23.0, 12.0, QColor(210, 50, 40));
}

}  // namespace

QIcon convertGlyph() { return glyphIcon(paintConvert); }

QIcon exitGlyph() { return glyphIcon(paintExit); }

}  // namespace cadtrace::ui
