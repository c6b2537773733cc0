#include "meshcond/model/node_index.h"

#include <algorithm>
#include <cmath>

#include "meshcond/model/analysis_model.h"

namespace meshcond {

namespace {

// Below this many points a scan is as fast as the grid.
constexpr int kMinGridPoints = 64;
// Coordinates beyond this could overflow the squared distances.
constexpr double kGridCoordinateLimit = 1e100;

}  // namespace

PointIndex::PointIndex(const std::vector<double>& xs, const std::vector<double>& ys, int count)
    : xs_(xs), ys_(ys), count_(count) {
  if (count_ < kMinGridPoints) return;
  double xmin = xs_[1], xmax = xs_[1], ymin = ys_[1], ymax = ys_[1];
  for (int n = 1; n <= count_; ++n) {
    if (!(std::fabs(xs_[n]) <= kGridCoordinateLimit && std::fabs(ys_[n]) <= kGridCoordinateLimit))
      return;
    xmin = std::min(xmin, xs_[n]);
    xmax = std::max(xmax, xs_[n]);
    ymin = std::min(ymin, ys_[n]);
    ymax = std::max(ymax, ys_[n]);
  }
  double width = xmax - xmin, height = ymax - ymin;
  // About two points per cell on an evenly spread mesh; a thin box gets one
  // row of cells, at most 2 * count + 1 of them.
  cell_ =
      std::max(std::sqrt(width * height * 2.0 / count_), std::max(width, height) / (2.0 * count_));
  if (!(cell_ > 0.0) || !std::isfinite(cell_)) return;  // all points at one place
  x0_ = xmin;
  y0_ = ymin;
  nx_ = static_cast<long>(width / cell_) + 1;
  ny_ = static_cast<long>(height / cell_) + 1;

  std::vector<long> cellOfPoint(count_ + 1);
  start_.assign(nx_ * ny_ + 1, 0);
  for (int n = 1; n <= count_; ++n) {
    long c = std::clamp<long>(cellOf(ys_[n], y0_, ny_), 0, ny_ - 1) * nx_ +
             std::clamp<long>(cellOf(xs_[n], x0_, nx_), 0, nx_ - 1);
    cellOfPoint[n] = c;
    ++start_[c + 1];
  }
  for (long c = 0; c < nx_ * ny_; ++c) start_[c + 1] += start_[c];
  points_.resize(count_);
  std::vector<int32_t> fill(start_.begin(), start_.end() - 1);
  for (int n = 1; n <= count_; ++n) points_[fill[cellOfPoint[n]]++] = n;
  useGrid_ = true;
}

long PointIndex::cellOf(double value, double origin, long cells) const {
  double c = std::floor((value - origin) / cell_);
  if (!(c >= -1.0)) return -1;
  if (c > static_cast<double>(cells)) return cells;
  return static_cast<long>(c);
}

PointIndex::Hit PointIndex::scan(double x, double y) const {
  Hit best{0, kFarAway};
  for (int n = 1; n <= count_; ++n) {
    double d = distance(xs_[n], ys_[n], x, y);
    if (d < best.distance) best = Hit{n, d};
  }
  return best.number > 0 ? best : Hit{};
}

PointIndex::Hit PointIndex::nearest(double x, double y) const {
  if (!useGrid_) return scan(x, y);
  // Query cells are clamped to one cell outside the grid: a query further out
  // is further from every point, so the ring bound below still holds.
  long qx = std::clamp<long>(cellOf(x, x0_, nx_), -1, nx_);
  long qy = std::clamp<long>(cellOf(y, y0_, ny_), -1, ny_);
  long lastRing = std::max({qx + 1, nx_ - qx, qy + 1, ny_ - qy});
  int bestNumber = 0;
  double bestDistance = 0.0;
  auto visit = [&](long i, long j) {
    if (i < 0 || j < 0 || i >= nx_ || j >= ny_) return;
    long c = j * nx_ + i;
    for (int32_t k = start_[c]; k < start_[c + 1]; ++k) {
      int n = points_[k];
      double d = distance(xs_[n], ys_[n], x, y);
      if (bestNumber == 0 || d < bestDistance || (d == bestDistance && n < bestNumber)) {
        bestNumber = n;
        bestDistance = d;
      }
    }
  };
  for (long r = 0; r <= lastRing; ++r) {
    // The ring's cells that lie inside the grid.
    long i0 = std::max<long>(qx - r, 0), i1 = std::min<long>(qx + r, nx_ - 1);
    long j0 = std::max<long>(qy - r + 1, 0), j1 = std::min<long>(qy + r - 1, ny_ - 1);
    if (qy - r >= 0)
      for (long i = i0; i <= i1; ++i) visit(i, qy - r);
    if (r > 0 && qy + r < ny_)
      for (long i = i0; i <= i1; ++i) visit(i, qy + r);
    if (r > 0) {
      if (qx - r >= 0)
        for (long j = j0; j <= j1; ++j) visit(qx - r, j);
      if (qx + r < nx_)
        for (long j = j0; j <= j1; ++j) visit(qx + r, j);
    }
    // Points in later rings lie at least r cells away along one axis; one
    // cell of margin covers the rounding of the cell assignment.
    if (bestNumber > 0 && bestDistance < static_cast<double>(r - 1) * cell_) break;
  }
  if (bestNumber == 0 || !(bestDistance < kFarAway)) return Hit{};
  return Hit{bestNumber, bestDistance};
}

int PointIndex::pointAt(double x, double y) const {
  Hit hit = nearest(x, y);
  return hit.number > 0 && hit.distance < kSameNode ? hit.number : -1;
}

}  // namespace meshcond
