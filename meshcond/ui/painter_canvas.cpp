// Drawing operations on a painter.
#include "meshcond/ui/painter_canvas.h"

#include <QFontMetrics>
#include <QPen>
#include <QPoint>

#include "desktop/rubber_band.h"
#include "figure/figure_writer.h"

namespace meshcond::ui {

QColor toQColor(Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

QFont PainterCanvas::drawingFont(int pointSize) { return figure::drawingFont(pointSize); }

PainterCanvas::PainterCanvas(QPainter& painter, QRect area, double lineWidth)
    : painter_(painter), area_(area), lineWidth_(lineWidth) {}

void PainterCanvas::clear(Colour colour) { painter_.fillRect(area_, toQColor(colour)); }

void PainterCanvas::polygon(const std::array<Pixel, 4>& corners, Colour fill, Colour outline) {
  QPoint points[4];
  for (int i = 0; i < 4; ++i) points[i] = QPoint(corners[i].x, corners[i].y);
  painter_.setPen(QPen(toQColor(outline), lineWidth_));
  painter_.setBrush(toQColor(fill));
  painter_.drawPolygon(points, 4);
}

void PainterCanvas::circle(Pixel centre, int radius, Colour colour) {
  QColor c = toQColor(colour);
  painter_.setPen(QPen(c, lineWidth_));
  painter_.setBrush(c);
  painter_.drawEllipse(QRect(centre.x - radius, centre.y - radius, 2 * radius, 2 * radius));
}

void PainterCanvas::useFont(int pointSize) {
  if (pointSize == fontSize_) return;
  QFont font = drawingFont(pointSize);
  painter_.setFont(font);
  ascent_ = QFontMetrics(font, painter_.device()).ascent();
  fontSize_ = pointSize;
}

void PainterCanvas::text(Pixel topLeft, std::string_view utf8, Colour colour, int pointSize) {
  useFont(pointSize);
  painter_.setPen(toQColor(colour));
  painter_.drawText(QPoint(topLeft.x, topLeft.y + ascent_),
                    QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

namespace {

QRect cornersRect(Pixel a, Pixel b) { return desktop::bandRect({a.x, a.y}, {b.x, b.y}); }

}  // namespace

void PainterCanvas::bandRectangle(Pixel a, Pixel b) {
  desktop::drawBandRectangle(painter_, cornersRect(a, b), QPen(toQColor(kPureRed), 0, Qt::DotLine));
}

void PainterCanvas::rectangle(Pixel a, Pixel b, Colour colour) {
  painter_.setPen(QPen(toQColor(colour), lineWidth_));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(cornersRect(a, b));
}

}  // namespace meshcond::ui
