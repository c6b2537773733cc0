// Writes a figure of the mesh: the view drawn by the program's own drawing
// code on a PDF, SVG or PNG page, with a title, a scale bar in metres and a
// legend. The page is vector graphics for PDF and SVG.
#pragma once

#include <QFont>
#include <QPainter>
#include <functional>
#include <string>
#include <vector>

#include "figure/layout.h"

namespace figure {

/// Draws the view into a box of width x height device units whose top-left
/// corner is the painter's origin (drawing outside it is clipped away), and
/// returns the scale it drew at, in device units per metre.
using ViewPainter = std::function<double(QPainter& painter, int width, int height)>;

struct Figure {
  std::string title;  // UTF-8
  std::vector<LegendEntry> legend;
  ViewPainter drawView;
};

/// Writes the figure as PDF, SVG or PNG by the file name's extension, under
/// a temporary name that replaces the file only when complete
/// (common::StagedFile). Throws common::Error for another extension or a
/// failed write.
void writeFigure(const std::string& path, const FigureSize& size, const Figure& figure);

/// Paints the whole figure on a painter whose device is the page.
void paintFigure(QPainter& painter, const Box& page, const Figure& figure);

/// The font of the windows and the figures ("ＭＳ Ｐゴシック"), size in points.
QFont drawingFont(double points, bool bold = false);
/// The fonts of the title and of the legend and scale bar.
QFont titleFont();
QFont labelFont();

/// A 0xRRGGBB colour.
inline QColor rgbColor(uint32_t rgb) {
  return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace figure
