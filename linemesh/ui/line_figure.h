// The mesh maker's figure: the line network or the formed elements as the
// view draws them, in the window the view shows.
#pragma once

#include <string>

#include "figure/figure_writer.h"
#include "linemesh/interaction/view.h"
#include "linemesh/model/network.h"

namespace linemesh::ui {

/// The part of the world a figure shows and what the view draws there.
struct FigureWindow {
  double xmin = 0.0, xmax = 0.0, ymin = 0.0, ymax = 0.0;
  bool frame = false;    // the elements instead of the lines
  FormationMarks marks;  // with the elements
};

/// What the window's view shows now.
FigureWindow shownBy(const View& view);
/// Every live node of the network (its extents when there is none), with
/// the elements when frame is true.
FigureWindow wholeNetwork(const LineNetwork& net, bool frame, FormationMarks marks = {});

/// The figure: title, the view's drawing of the window, a scale bar. The
/// network is only read (its snapping tolerance is put back after drawing).
figure::Figure lineFigure(LineNetwork& net, const FigureWindow& window, const std::string& title);

}  // namespace linemesh::ui
