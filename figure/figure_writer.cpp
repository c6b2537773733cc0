#include "figure/figure_writer.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>

#include "common/errors.h"
#include "common/text_file.h"
#include "figure/messages.h"

namespace figure {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

void drawSymbol(QPainter& p, Symbol symbol, uint32_t rgb, QPointF centre, double r) {
  p.setPen(QPen(Qt::black, std::max(1.0, r / 5)));
  p.setBrush(rgbColor(rgb));
  if (symbol == Symbol::Circle) {
    p.drawEllipse(centre, r, r);
    return;
  }
  if (symbol == Symbol::Swatch) {
    p.drawRect(QRectF(centre.x() - 1.6 * r, centre.y() - r, 3.2 * r, 2 * r));
    return;
  }
  QPolygonF polygon;
  for (const auto& [x, y] : symbolCorners(symbol, r)) polygon << centre + QPointF(x, y);
  p.drawPolygon(polygon);
}

void drawScaleBar(QPainter& p, const FigureLayout& l, double unitsPerMetre) {
  const double metres = scaleBarMetres(unitsPerMetre, l.view.width * 0.3);
  if (metres <= 0) return;
  const QFontMetricsF metrics(p.font(), p.device());
  const double length = metres * unitsPerMetre;
  const double h = std::round(metrics.height() * 0.5);
  const double x0 = l.scaleBar.x + metrics.horizontalAdvance(QStringLiteral("0")) / 2;
  const double y0 = l.scaleBar.y + l.scaleBar.height - metrics.height() - h;
  const int parts = scaleBarParts(metres);
  p.setPen(QPen(Qt::black, std::max(1.0, h / 8)));
  for (int i = 0; i < parts; ++i) {
    p.setBrush(i % 2 == 0 ? Qt::black : Qt::white);
    p.drawRect(QRectF(x0 + length * i / parts, y0, length / parts, h));
  }
  const double textTop = y0 + h + metrics.height() * 0.1;
  p.drawText(QRectF(x0 - length, textTop, 2 * length, metrics.height()),
             Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("0"));
  p.drawText(QRectF(x0, textTop, 2 * length, metrics.height()), Qt::AlignHCenter | Qt::AlignTop,
             qs(metresText(metres)));
}

void drawLegend(QPainter& p, const FigureLayout& l, const std::vector<LegendEntry>& entries) {
  if (entries.empty()) return;
  const QFontMetricsF metrics(p.font(), p.device());
  const double row = l.legendRowHeight;
  const double r = std::round(metrics.height() * 0.32);
  p.setPen(Qt::black);
  p.drawText(QRectF(l.legend.x, l.legend.y, l.legend.width, row), Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromUtf8(text::legendHeading()));
  for (int i = 0; i < l.legendColumns * l.legendRows; ++i) {
    const int column = i / l.legendRows, place = i % l.legendRows;
    const double x = l.legend.x + column * l.legendColumnWidth;
    const double y = l.legend.y + (place + 1) * row;
    const QRectF text(x + metrics.height() * 1.5, y, l.legendColumnWidth, row);
    if (i < l.legendShown) {
      const LegendEntry& e = entries[static_cast<size_t>(i)];
      drawSymbol(p, e.symbol, e.rgb, QPointF(x + metrics.height() * 0.6, y + row / 2), r);
      p.setPen(Qt::black);
      p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, qs(e.text));
    } else if (i == l.legendShown && l.legendShown < static_cast<int>(entries.size())) {
      p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                 qs(leftOutText(static_cast<int>(entries.size()) - l.legendShown)));
    }
  }
}

}  // namespace

QFont drawingFont(double points, bool bold) {
  QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QFont titleFont() { return drawingFont(14, true); }
QFont labelFont() { return drawingFont(9); }

void paintFigure(QPainter& painter, const Box& page, const Figure& figure) {
  QPainter& p = painter;
  p.fillRect(QRectF(page.x, page.y, page.width, page.height), Qt::white);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);

  const QFontMetricsF title(titleFont(), p.device());
  const QFontMetricsF label(labelFont(), p.device());
  LayoutInput in;
  in.width = page.width;
  in.height = page.height;
  in.titleHeight = title.height();
  in.textHeight = label.height();
  for (const LegendEntry& e : figure.legend)
    in.legendTextWidth = std::max(in.legendTextWidth, label.horizontalAdvance(qs(e.text)));
  in.legendEntries = static_cast<int>(figure.legend.size());
  const FigureLayout l = layoutFigure(in);

  double unitsPerMetre = 0.0;
  const int w = static_cast<int>(l.view.width), h = static_cast<int>(l.view.height);
  if (figure.drawView) {
    p.save();
    p.translate(l.view.x, l.view.y);
    p.setClipRect(0, 0, w, h);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(QFont());
    unitsPerMetre = figure.drawView(p, w, h);
    p.restore();
    // An SVG keeps no clipping: what the view drew beyond its box is covered.
    const QRectF box(l.view.x, l.view.y, w, h);
    const QRectF all(page.x, page.y, page.width, page.height);
    for (const QRectF& margin : {QRectF(all.topLeft(), QPointF(all.right(), box.top())),
                                 QRectF(QPointF(all.left(), box.bottom()), all.bottomRight()),
                                 QRectF(QPointF(all.left(), box.top()), box.bottomLeft()),
                                 QRectF(box.topRight(), QPointF(all.right(), box.bottom()))})
      p.fillRect(margin, Qt::white);
  }
  p.setPen(QPen(Qt::gray, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(l.view.x, l.view.y, w, h));

  p.setFont(titleFont());
  p.setPen(Qt::black);
  p.drawText(QRectF(l.title.x, l.title.y, l.title.width, l.title.height),
             Qt::AlignLeft | Qt::AlignVCenter, qs(figure.title));
  p.setFont(labelFont());
  drawScaleBar(p, l, unitsPerMetre);
  drawLegend(p, l, figure.legend);
}

void writeFigure(const std::string& path, const FigureSize& size, const Figure& figure) {
  const std::optional<Format> format = formatOf(path);
  if (!format) throw common::Error(std::string(kFormatProblem) + ": " + path);
  const Box page = pageOf(*format, size);
  // Painted in memory first, then written as every file of the programs is.
  QBuffer file;
  file.open(QIODevice::WriteOnly);
  const QString title = qs(figure.title);
  // True when the whole figure went onto the device.
  auto paintOn = [&](QPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    paintFigure(painter, page, figure);
    return painter.end();
  };
  bool painted = false;
  switch (*format) {
    case Format::Pdf: {
      QPdfWriter pdf(&file);
      pdf.setPageSize(QPageSize(size.paper == Paper::A3 ? QPageSize::A3 : QPageSize::A4));
      pdf.setPageOrientation(QPageLayout::Landscape);
      pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
      pdf.setResolution(kPdfResolution);
      pdf.setTitle(title);
      pdf.setCreator(QStringLiteral("seepage toolchain"));
      painted = paintOn(pdf);
      break;
    }
    case Format::Svg: {
      QSvgGenerator svg;
      svg.setOutputDevice(&file);
      svg.setSize(QSize(size.width, size.height));
      svg.setViewBox(QRect(0, 0, size.width, size.height));
      svg.setResolution(96);
      svg.setTitle(title);
      painted = paintOn(svg);
      break;
    }
    case Format::Png: {
      QImage image(size.width, size.height, QImage::Format_RGB32);
      painted = paintOn(image) && image.save(&file, "PNG");
      break;
    }
  }
  if (!painted) throw common::Error(text::notDrawn(path));
  common::StagedFile staged(path);
  staged.write(std::string_view(file.data().constData(), static_cast<size_t>(file.data().size())));
  staged.commit();
}

}  // namespace figure
