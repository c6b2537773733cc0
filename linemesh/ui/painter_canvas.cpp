#include "linemesh/ui/painter_canvas.h"

#include <QPainterPath>

#include "desktop/rubber_band.h"
#include "figure/figure_writer.h"

namespace linemesh::ui {

namespace {

QColor toQColor(Rgb c) { return figure::rgbColor(c); }

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, int w, int h)
    : painter_(&painter), width_(w), height_(h) {}

void PainterCanvas::applyPen(QPainter& p) {
  const DrawingTools& t = tools();
  QPen pen(toQColor(t.penColor));
  pen.setWidth(t.penWidth);
  pen.setStyle(t.penStyle == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
  p.setPen(pen);
  desktop::setInverting(p, t.penMode == PenMode::Inverting);
}

void PainterCanvas::applyFill(QPainter& p) {
  const DrawingTools& t = tools();
  if (t.fillStyle == FillStyle::Clear) {
    p.setBrush(Qt::NoBrush);
  } else {
    p.setBrush(toQColor(t.fillColor));
  }
}

void PainterCanvas::fillRect(int x1, int y1, int x2, int y2) {
  QPainter& p = painter();
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), toQColor(tools().fillColor));
}

void PainterCanvas::line(int x1, int y1, int x2, int y2) {
  QPainter& p = painter();
  applyPen(p);
  p.drawLine(x1, y1, x2, y2);
}

void PainterCanvas::ellipse(int x1, int y1, int x2, int y2) {
  QPainter& p = painter();
  applyPen(p);
  applyFill(p);
  p.drawEllipse(QRect(x1, y1, x2 - x1, y2 - y1));
}

void PainterCanvas::rectangle(int x1, int y1, int x2, int y2) {
  QPainter& p = painter();
  applyPen(p);
  applyFill(p);
  p.drawRect(QRect(x1, y1, x2 - x1, y2 - y1));
}

void PainterCanvas::fillRings(const std::vector<std::vector<std::array<int, 2>>>& rings) {
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  for (const auto& ring : rings) {
    QPolygon polygon;
    for (const auto& [x, y] : ring) polygon << QPoint(x, y);
    path.addPolygon(polygon);
    path.closeSubpath();
  }
  QPainter& p = painter();
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.fillPath(path, toQColor(tools().fillColor));
}

void PainterCanvas::textOut(int x, int y, const std::string& text) {
  QPainter& p = painter();
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setPen(Qt::black);
  p.drawText(QRect(x, y, 10000, 10000), Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(text));
}

}  // namespace linemesh::ui
