// Transient indexes that let the network's bulk operations give exactly the
// results of their linear scans and exchange sorts, in far less time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace linemesh::detail {

/// Points bucketed by a square grid. first() answers the smallest number
/// among the points strictly closer than the tolerance (Euclidean,
/// sqrt(dx * dx + dy * dy)) that the filter accepts: the first point in table
/// order, as a scan from 1 upwards would find it.
class PointGrid {
 public:
  explicit PointGrid(double tolerance);

  void add(int number, double x, double y);

  template <class Accept>
  int first(double x, double y, Accept accept) const;

 private:
  struct Cell {
    int64_t cx, cy;
    bool operator==(const Cell&) const = default;
  };
  struct CellHash {
    size_t operator()(const Cell& c) const {
      return std::hash<uint64_t>()(static_cast<uint64_t>(c.cx) * 0x9E3779B97F4A7C15ULL ^
                                   static_cast<uint64_t>(c.cy));
    }
  };
  struct Point {
    int number;
    double x, y;
    int next;  // previous point in the same cell, -1 at the end
  };

  /// The cell coordinate of v, false when it does not fit the grid's integers.
  bool cellOf(double v, int64_t& cell) const;
  bool near(const Point& p, double x, double y) const;

  double tolerance_;
  double size_;
  std::vector<Point> points_;
  std::vector<int> outside_;  // points whose cell does not fit: always scanned
  std::unordered_map<Cell, int, CellHash> heads_;
};

/// The permutation that this exchange sort makes of positions 0..n-1:
///   for i in 0..n-2, for k in i+1..n-1: exchange i and k when keys[i] > keys[k].
/// order[p] is the original position of the item that ends at p.
std::vector<int> exchangeSortOrder(std::vector<double> keys);

/// As exchangeSortOrder, for the column sort: exchange i and k when
/// x[i] > x[k], or when |x[i] - x[k]| < 0.01 and y[i] > y[k].
std::vector<int> columnSortOrder(std::vector<double> x, std::vector<double> y);

template <class Accept>
int PointGrid::first(double x, double y, Accept accept) const {
  int best = -1;
  auto consider = [&](const Point& p) {
    if ((best < 0 || p.number < best) && near(p, x, y) && accept(p.number)) best = p.number;
  };
  int64_t x0, x1, y0, y1;
  if (!cellOf(x - tolerance_, x0) || !cellOf(x + tolerance_, x1) || !cellOf(y - tolerance_, y0) ||
      !cellOf(y + tolerance_, y1)) {
    for (const Point& p : points_) consider(p);
    return best;
  }
  for (int64_t cx = x0; cx <= x1; ++cx)
    for (int64_t cy = y0; cy <= y1; ++cy) {
      auto it = heads_.find(Cell{cx, cy});
      if (it == heads_.end()) continue;
      for (int i = it->second; i >= 0; i = points_[i].next) consider(points_[i]);
    }
  for (int i : outside_) consider(points_[i]);
  return best;
}

}  // namespace linemesh::detail
