#include "linemesh/interaction/view.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "linemesh/model/messages.h"

namespace linemesh::ui {

namespace {

constexpr std::array<Rgb, 14> kColors = {
    0x000000, 0xFF0000, 0xFFFF00, 0x008000, 0x00FFFF, 0x0000FF, 0xFF00FF,
    0xC0C0C0, 0x808000, 0x800080, 0x808080, 0x800000, 0x000080, 0x00FF00,
};

// Far beyond any surface, small enough for the painter's integer geometry.
constexpr double kPixelLimit = 1e8;

int floorToPixel(double v) {
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::floor(std::clamp(v, -kPixelLimit, kPixelLimit)));
}

// Gives [lo, hi] a size when it has none: an empty range (hi below lo, no
// nodes) becomes the start range, a single value gets +-1 about it.
void fitRange(double& lo, double& hi, double startLo, double startHi) {
  if (hi < lo) {
    lo = startLo;
    hi = startHi;
  } else if (hi - lo <= 0.0) {
    const double mid = lo;
    lo = mid - 1.0;
    hi = mid + 1.0;
  }
}

// Brings [lo, hi] within [min, max]: the whole range when it is as large,
// else moved back inside, keeping its size.
void keepWithin(double& lo, double& hi, double min, double max) {
  if (hi - lo >= max - min) {
    lo = min;
    hi = max;
  } else if (lo < min) {
    hi += min - lo;
    lo = min;
  } else if (hi > max) {
    lo -= hi - max;
    hi = max;
  }
}

}  // namespace

Rgb tableColor(int color) { return kColors[static_cast<size_t>(color % 14)]; }

View::View(LineNetwork& net, Canvas& canvas) : net_(net), canvas_(canvas) {}

void View::setBoxSize(int w, int h) {
  boxW_ = w;
  boxH_ = h;
}

int View::boxWidth() const { return boxW_ >= 0 ? boxW_ : canvas_.width(); }
int View::boxHeight() const { return boxH_ >= 0 ? boxH_ : canvas_.height(); }

void View::reset() {
  zoomAll();
  centre();
  cx = std::floor(canvas_.width() / 2);
  cy = std::floor(canvas_.height() / 2);
  gscale = getGscale();
}

double View::getGscale() {
  xmed = (gxmax + gxmin) / 2;
  ymed = (gymax + gymin) / 2;
  const double w = std::max(canvas_.width(), 1);
  const double h = std::max(canvas_.height(), 1);
  const double sx = 0.9 * w / (gxmax - gxmin);
  const double sy = 0.9 * h / (gymax - gymin);
  double scale = sx;
  if (sx > sy) scale = sy;
  // A window without width or height is never set (fitExtents, selectArea);
  // should one appear anyway, keep the last usable scale.
  if (!(scale > 0.0) || !std::isfinite(scale)) scale = gscale;
  net_.eps = 4.0 / scale;
  return scale;
}

int View::toPixelX(double x) const { return floorToPixel((x - xmed) * gscale + cx); }
int View::toPixelY(double y) const { return floorToPixel(cy - (y - ymed) * gscale); }
double View::toWorldX(int sx) const { return (sx - cx) / gscale + xmed; }
double View::toWorldY(int sy) const { return (cy - sy) / gscale + ymed; }

void View::Disp() {
  cx = std::floor(canvas_.width() / 2);
  cy = std::floor(canvas_.height() / 2);
  gscale = getGscale();
  canvas_.setPenColor(tableColor(0));
  canvas_.setPenWidth(1);
  cr = 2.2 / gscale;
  gCls();
  if (frame) fillFaces(marks.cells, kCellWarningColor);
  fillFaces(pickedFaces, kPickedFaceColor);

  for (int k = 1; k <= net_.NUMNP; ++k) {
    const NodeRecord& n = net_.Node[k];
    if (n.Flag >= 0) gCircle(n.X, n.Y, cr, 5);
  }
  if (!frame) {
    for (int j = 1; j <= net_.NUMEL; ++j) {
      const LineRecord& e = net_.Elem[j];
      if (e.Flag < 0) continue;
      gLine(net_.Node[e.N1].X, net_.Node[e.N1].Y, net_.Node[e.N2].X, net_.Node[e.N2].Y, 0);
    }
    return;
  }
  for (int e = 1; e <= net_.NE; ++e) {
    if (net_.KN[e] < 0) continue;
    const CornerRow& k = net_.KI[e];
    const int corners = net_.cornerCount(e);
    for (int c = 1; c <= corners; ++c) {
      const NodeRecord& a = net_.Node[k[c]];
      const NodeRecord& b = net_.Node[k[c % corners + 1]];
      gLine(a.X, a.Y, b.X, b.Y, 0);
    }
  }
  // The numbers after all sides, so that no side of a neighbour runs
  // through a number, and the sides are drawn in one go.
  for (int e = 1; numbers && e <= net_.NE; ++e) {
    if (net_.KN[e] < 0) continue;
    const CornerRow& k = net_.KI[e];
    const int corners = net_.cornerCount(e);
    double sx = 0.0, sy = 0.0;
    for (int c = 1; c <= corners; ++c) {
      sx += net_.Node[k[c]].X;
      sy += net_.Node[k[c]].Y;
    }
    gTextOut(sx / corners, sy / corners, 0.0, std::to_string(e), 1);
  }
  for (const auto& [x1, y1, x2, y2] : marks.looseLines) gLine(x1, y1, x2, y2, kLooseLineColor);
  canvas_.setPenWidth(3);
  for (int e = 1; e <= net_.NE; ++e) {
    if (net_.KN[e] >= 0) continue;
    const CornerRow& k = net_.KI[e];
    for (int c = 1; c <= 5; ++c) {
      const NodeRecord& a = net_.Node[k[c]];
      const NodeRecord& b = net_.Node[k[c % 5 + 1]];
      gLine(a.X, a.Y, b.X, b.Y, 1);
    }
  }
  canvas_.setPenWidth(1);
}

std::string View::nodeCaption() const { return text::nodeCaption(net_.NUMNP); }

std::string View::elementCaption() const {
  int elements = 0;
  for (int e = 1; e <= net_.NE; ++e) elements += net_.KN[e] == 3 || net_.KN[e] == 4;
  return text::elementCaption(elements);
}

FaceRings ringsOf(const LineNetwork& net, const Face& face) {
  auto ring = [&net](const std::vector<int>& walk) {
    WorldRing r;
    for (int k : walk) r.push_back({net.Node[k].X, net.Node[k].Y});
    return r;
  };
  FaceRings rings{ring(face.corners)};
  for (const auto& hole : face.holes) rings.push_back(ring(hole));
  return rings;
}

FormationMarks FormationMarks::of(const LineNetwork& net, const FormationReport& report) {
  FormationMarks marks;
  for (const Face& f : report.cellsWithoutElement) marks.cells.push_back(ringsOf(net, f));
  // After formation a line's flag is the number of elements it is a side of.
  for (int j = 1; j <= net.NUMEL; ++j) {
    const LineRecord& l = net.Elem[j];
    if (l.Flag != 0) continue;
    const NodeRecord &a = net.Node[l.N1], &b = net.Node[l.N2];
    marks.looseLines.push_back({a.X, a.Y, b.X, b.Y});
  }
  return marks;
}

void View::fillFaces(const std::vector<FaceRings>& faces, Rgb color) {
  if (faces.empty()) return;
  canvas_.setFillColor(color);
  canvas_.setFillStyle(FillStyle::Solid);
  for (const FaceRings& face : faces) {
    std::vector<std::vector<std::array<int, 2>>> rings;
    for (const WorldRing& r : face) {
      rings.emplace_back();
      for (const auto& [x, y] : r) rings.back().push_back({toPixelX(x), toPixelY(y)});
    }
    canvas_.fillRings(rings);
  }
}

void View::gCls() {
  canvas_.setFillColor(0xFFFFFF);
  canvas_.setFillStyle(FillStyle::Solid);
  canvas_.fillRect(0, 0, canvas_.width(), canvas_.height());
}

void View::gColor(int color) {
  if (color < 0) return;
  canvas_.setPenColor(tableColor(color));
  canvas_.setFillColor(tableColor(color));
  canvas_.setFillStyle(FillStyle::Solid);
}

void View::gLine(double x1, double y1, double x2, double y2, int color) {
  gColor(color);
  canvas_.setPenStyle(PenStyle::Solid);
  canvas_.line(toPixelX(x1), toPixelY(y1), toPixelX(x2), toPixelY(y2));
}

void View::gCircle(double x, double y, double r, int color) {
  gColor(color);
  const int rp = std::max(floorToPixel(r * gscale), 1);
  const int sx = toPixelX(x), sy = toPixelY(y);
  canvas_.ellipse(sx - rp, sy - rp, sx + rp, sy + rp);
}

void View::gTextOut(double x, double y, double /*h*/, const std::string& s, int color) {
  gColor(color);
  canvas_.setFillColor(0xFFFFFF);
  canvas_.setFillStyle(FillStyle::Clear);
  canvas_.textOut(toPixelX(x), toPixelY(y), s);
}

void View::scaleWindow(double factor) {
  gxmin = xmed + factor * (gxmin - xmed);
  gxmax = xmed + factor * (gxmax - xmed);
  gymin = ymed + factor * (gymin - ymed);
  gymax = ymed + factor * (gymax - ymed);
}

void View::zoomIn() { scaleWindow(0.75); }

void View::zoomOut() {
  scaleWindow(1.2);
  if (gxmin < net_.xmin) gxmin = net_.xmin;
  if (gxmax > net_.xmax) gxmax = net_.xmax;
  if (gymin < net_.ymin) gymin = net_.ymin;
  if (gymax > net_.ymax) gymax = net_.ymax;
}

void View::zoomAll() {
  gxmin = net_.xmin;
  gxmax = net_.xmax;
  gymin = net_.ymin;
  gymax = net_.ymax;
}

void View::widen() {
  const double dx = 0.5 * boxWidth() / gscale;
  const double dy = 0.33 * boxHeight() / gscale;
  gxmin -= dx;
  gxmax += dx;
  gymin -= dy;
  gymax += dy;
}

void View::panLeft() {
  const double step = 0.1 * boxWidth() / gscale;
  const double width = gxmax - gxmin;
  gxmin -= step;
  if (gxmin < net_.xmin) gxmin = net_.xmin;
  gxmax = gxmin + width;
}

void View::panRight() {
  double step = 0.1 * boxWidth() / gscale;
  const double old = gxmax;
  gxmax += step;
  if (gxmax > net_.xmax) {
    gxmax = net_.xmax;
    step = net_.xmax - old;
  }
  gxmin += step;
}

void View::panUp() {
  double step = 0.1 * boxHeight() / gscale;
  const double old = gymax;
  gymax += step;
  if (gymax > net_.ymax) {
    gymax = net_.ymax;
    step = net_.ymax - old;
  }
  gymin += step;
}

void View::panDown() {
  double step = 0.1 * boxHeight() / gscale;
  const double old = gymin;
  gymin -= step;
  if (gymin < net_.ymin) {
    gymin = net_.ymin;
    step = old - net_.ymin;
  }
  gymax -= step;
}

void View::zoomAt(int sx, int sy, double factor) {
  if (factor > 1.0 && showsExtents()) return;
  const double x = toWorldX(sx), y = toWorldY(sy);
  gxmin = x + factor * (gxmin - x);
  gxmax = x + factor * (gxmax - x);
  gymin = y + factor * (gymin - y);
  gymax = y + factor * (gymax - y);
  if (factor > 1.0) {
    keepWithin(gxmin, gxmax, net_.xmin, net_.xmax);
    keepWithin(gymin, gymax, net_.ymin, net_.ymax);
  }
  centre();
}

void View::dragBy(int dx, int dy) {
  double mx = -dx / gscale, my = dy / gscale;
  // The new centre, kept within the extents.
  mx = std::clamp(xmed + mx, net_.xmin, net_.xmax) - xmed;
  my = std::clamp(ymed + my, net_.ymin, net_.ymax) - ymed;
  gxmin += mx;
  gxmax += mx;
  gymin += my;
  gymax += my;
  centre();
}

bool View::showsExtents() const {
  return gxmin <= net_.xmin && gxmax >= net_.xmax && gymin <= net_.ymin && gymax >= net_.ymax;
}

bool View::selectArea(double x1, double y1, double x2, double y2) {
  double xa = x1, xb = x2;
  if (xa > xb) std::swap(xa, xb);
  double ya = y2, yb = y1;
  if (ya > yb) std::swap(ya, yb);
  if (!(xb - xa > 0.0) || !(yb - ya > 0.0)) return false;
  gxmin = xa;
  gxmax = xb;
  gymin = ya;
  gymax = yb;
  return true;
}

void View::centre() {
  xmed = (gxmax + gxmin) / 2;
  ymed = (gymax + gymin) / 2;
}

int View::horzPosition() const {
  const double p = std::floor((xmed - net_.xmin) * 100 / (net_.xmax - net_.xmin));
  return static_cast<int>(std::clamp(std::isnan(p) ? 0.0 : p, 0.0, 100.0));
}

int View::vertPosition() const {
  const double p = std::floor((net_.ymax - ymed) * 100 / (net_.ymax - net_.ymin));
  return static_cast<int>(std::clamp(std::isnan(p) ? 0.0 : p, 0.0, 100.0));
}

void View::horzScrolled(int position) {
  const double med = position * (net_.xmax - net_.xmin) * 0.01 + net_.xmin;
  const double d = med - xmed;
  gxmin += d;
  gxmax += d;
  xmed = med;
}

void View::vertScrolled(int position) {
  const double med = net_.ymax - position * (net_.ymax - net_.ymin) / 100;
  const double d = med - ymed;
  gymin += d;
  gymax += d;
  ymed = med;
}

void View::fitExtents() {
  fitRange(net_.xmin, net_.xmax, -200.0, 200.0);
  fitRange(net_.ymin, net_.ymax, -50.0, 50.0);
}

}  // namespace linemesh::ui
