// The condition editor's figure: the mesh in its material colours with the
// element numbers as the window's switch has them, every boundary condition
// marked, the title, a scale bar and the legend.
#pragma once

#include "figure/figure_writer.h"
#include "meshcond/interaction/view.h"
#include "meshcond/model/analysis_model.h"

namespace meshcond::ui {

/// The part of the model a figure shows.
struct FigureWindow {
  bool whole = true;  // every node; otherwise the box below
  double xmin = 0.0, xmax = 0.0, ymin = 0.0, ymax = 0.0;
  bool elementNumbers = true;
};

/// The window a view shows now.
FigureWindow shownBy(const View& view, bool elementNumbers);

/// The figure; it reads the model when it is written.
figure::Figure conditionFigure(const AnalysisModel& model, const FigureWindow& window);

}  // namespace meshcond::ui
