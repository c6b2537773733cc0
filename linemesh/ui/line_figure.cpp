#include "linemesh/ui/line_figure.h"

#include <algorithm>

#include "linemesh/ui/painter_canvas.h"

namespace linemesh::ui {

FigureWindow shownBy(const View& view) {
  return {view.gxmin, view.gxmax, view.gymin, view.gymax, view.frame, view.marks};
}

FigureWindow wholeNetwork(const LineNetwork& net, bool frame, FormationMarks marks) {
  FigureWindow w{1e300, -1e300, 1e300, -1e300, frame, std::move(marks)};
  for (int k = 1; k <= net.NUMNP; ++k) {
    const NodeRecord& n = net.Node[k];
    if (n.Flag < 0) continue;
    w.xmin = std::min(w.xmin, n.X);
    w.xmax = std::max(w.xmax, n.X);
    w.ymin = std::min(w.ymin, n.Y);
    w.ymax = std::max(w.ymax, n.Y);
  }
  if (w.xmin > w.xmax) {
    w.xmin = net.xmin, w.xmax = net.xmax, w.ymin = net.ymin, w.ymax = net.ymax;
  }
  // A single node or a row of nodes still gets a window with a size.
  const double size = std::max({w.xmax - w.xmin, w.ymax - w.ymin, 1.0});
  if (w.xmax - w.xmin <= 0) w.xmin -= size / 2, w.xmax += size / 2;
  if (w.ymax - w.ymin <= 0) w.ymin -= size / 2, w.ymax += size / 2;
  return w;
}

figure::Figure lineFigure(LineNetwork& net, const FigureWindow& window, const std::string& title) {
  figure::Figure f;
  f.title = title;
  f.drawView = [&net, window](QPainter& painter, int width, int height) {
    PainterCanvas canvas(painter, width, height);
    View view(net, canvas);
    view.gxmin = window.xmin;
    view.gxmax = window.xmax;
    view.gymin = window.ymin;
    view.gymax = window.ymax;
    view.frame = window.frame;
    view.marks = window.marks;
    const double eps = net.eps;  // the redraw sets it for the window's scale
    view.Disp();
    net.eps = eps;
    return view.gscale;
  };
  return f;
}

}  // namespace linemesh::ui
