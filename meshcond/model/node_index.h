// A uniform grid over numbered points for nearest-point queries, giving the
// same answers as a scan of points 1..count in order that keeps the first of
// equally near points.
#pragma once

#include <cstdint>
#include <vector>

namespace meshcond {

// Kept apart from common::PointGrid: it finds the nearest point, not the lowest within reach.
class PointIndex {
 public:
  /// Indexes points 1..count of the 1-based coordinate tables xs, ys (kept
  /// by reference: they must outlive the index and stay unchanged).
  PointIndex(const std::vector<double>& xs, const std::vector<double>& ys, int count);

  struct Hit {
    int number = 0;  // 0 when no point lies closer than kFarAway
    double distance = 0.0;
  };

  /// The nearest point (lowest number among equally near ones), counted only
  /// when closer than kFarAway.
  Hit nearest(double x, double y) const;

  /// The nearest point's number when it lies closer than kSameNode, else -1.
  int pointAt(double x, double y) const;

 private:
  Hit scan(double x, double y) const;
  long cellOf(double value, double origin, long cells) const;

  const std::vector<double>& xs_;
  const std::vector<double>& ys_;
  int count_;
  bool useGrid_ = false;
  double x0_ = 0.0, y0_ = 0.0, cell_ = 1.0;
  long nx_ = 1, ny_ = 1;
  std::vector<int32_t> start_;   // first entry of each cell in points_ (nx * ny + 1)
  std::vector<int32_t> points_;  // point numbers, ascending within a cell
};

}  // namespace meshcond
