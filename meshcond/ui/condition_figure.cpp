#include "meshcond/ui/condition_figure.h"

#include <algorithm>
#include <cmath>

#include "meshcond/interaction/condition_marks.h"
#include "meshcond/interaction/drawing.h"
#include "meshcond/ui/painter_canvas.h"

namespace meshcond::ui {

FigureWindow shownBy(const View& view, bool elementNumbers) {
  return {false, view.gxmin, view.gxmax, view.gymin, view.gymax, elementNumbers};
}

figure::Figure conditionFigure(const AnalysisModel& model, const FigureWindow& window) {
  figure::Figure f;
  f.title = figureTitle(model);
  f.legend = conditionLegend(model);
  f.drawView = [&model, window](QPainter& painter, int width, int height) {
    View view;
    view.setSize(width, height);
    if (window.whole) {
      const Extent e = xmaxxmin(model, width, height);
      view.setExtent(e.xmin, e.xmax, e.ymin, e.ymax);
      view.showExtent();
    } else {
      view.gxmin = window.xmin;
      view.gxmax = window.xmax;
      view.gymin = window.ymin;
      view.gymax = window.ymax;
    }
    DrawSettings settings;
    settings.state = kModeMaterial;
    settings.showElementNumbers = window.elementNumbers;
    PainterCanvas canvas(painter, QRect(0, 0, width, height), 1.0);
    DatShow(model, view, settings, canvas);
    // Marks as large on the page as the window's are on the screen.
    const double pixel = painter.device()->logicalDpiX() / 96.0;
    drawConditionMarks(
        model, view, canvas,
        std::max(kMarkerRadius, static_cast<int>(std::lround(kMarkerRadius * pixel))));
    return view.gscale;
  };
  return f;
}

}  // namespace meshcond::ui
