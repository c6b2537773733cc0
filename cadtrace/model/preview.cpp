#include "cadtrace/model/preview.h"

#include <algorithm>
#include <cmath>

namespace cadtrace {
namespace {

constexpr double kPixelLimit = 1.0e9;

int toPixel(double v) {
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::clamp(v, -kPixelLimit, kPixelLimit));
}

}  // namespace

PreviewMapping::PreviewMapping(const LineModel& model, int width, int height)
    : width_(width), height_(height) {
  if (model.NNODE < 1) return;
  const auto [xmin, xmax, ymin, ymax] = model.extent();
  xc_ = (xmax + xmin) / 2;
  yc_ = (ymax + ymin) / 2;
  // A side without extent does not limit the scale; with neither, 1 pixel per unit.
  double sx = xmax > xmin ? width / (xmax - xmin) : INFINITY;
  double sy = ymax > ymin ? height / (ymax - ymin) : INFINITY;
  double s = std::min(sx, sy);
  if (std::isinf(s)) s = 1;
  s_ = s * 0.95;
}

int PreviewMapping::pixelX(double x) const { return toPixel((x - xc_) * s_ + width_ / 2.0); }

int PreviewMapping::pixelY(double y) const { return toPixel(height_ / 2.0 - (y - yc_) * s_); }

void DispXY(const LineModel& model, int width, int height, PreviewCanvas& canvas) {
  PreviewMapping map(model, width, height);
  for (int n = 1; n <= model.NNODE; ++n) {
    int X = map.pixelX(model.NODES[n].x);
    int Y = map.pixelY(model.NODES[n].y);
    canvas.ellipse(X + 2, Y + 2, X - 2, Y - 2);
  }
  for (int l = 1; l <= model.NLINE; ++l) {
    const Point& a = model.NODES[model.LINES[l].p1];
    const Point& b = model.NODES[model.LINES[l].p2];
    canvas.line(map.pixelX(a.x), map.pixelY(a.y), map.pixelX(b.x), map.pixelY(b.y));
  }
}

}  // namespace cadtrace
