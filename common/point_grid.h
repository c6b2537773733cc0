// Numbered points by square grid cell, in a flat open-addressing table: a
// lookup visits only the cells within reach of a point. It answers "the
// lowest number among the points within a tolerance, as a scan from 1 would
// find it" for the converter's and the mesh maker's node registration.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

namespace common {

class PointGrid {
 public:
  /// `initialSlots` (a power of two) sizes the cell table before it grows.
  explicit PointGrid(double cellSize, size_t initialSlots = size_t{1} << 16);

  void clear();

  /// Adds a point; numbers must come in ascending order.
  void add(int32_t number, double x, double y);

  /// Calls visit(number) for the points of every cell that the square of half
  /// side `reach` round (x, y) touches, each cell's points in ascending order,
  /// until visit returns false (then that cell's walk ends). Every point
  /// within `reach` of (x, y) in each coordinate is visited.
  template <typename Visit>
  void forEachCellNear(double x, double y, double reach, Visit&& visit) const {
    int64_t x0 = cellNumber(x - reach), x1 = cellNumber(x + reach);
    int64_t y0 = cellNumber(y - reach), y1 = cellNumber(y + reach);
    for (int64_t cx = x0; cx <= x1; ++cx) {
      for (int64_t cy = y0; cy <= y1; ++cy) {
        const Slot* slot = find(cx, cy);
        if (slot == nullptr) continue;
        for (int32_t number = slot->head; number != 0; number = next_[number])
          if (!visit(number)) break;
      }
    }
  }

  /// The lowest number that `within` accepts among the points within `reach`
  /// of (x, y) in each coordinate, or -1; `within` must accept no point
  /// farther than that.
  template <typename Within>
  int32_t lowest(double x, double y, double reach, Within&& within) const {
    int32_t best = -1;
    forEachCellNear(x, y, reach, [&](int32_t number) {
      // Each cell lists its points in ascending order: its first hit is its lowest.
      if (best != -1 && number >= best) return false;
      if (within(number)) {
        best = number;
        return false;
      }
      return true;
    });
    return best;
  }

 private:
  struct Slot {
    int64_t cx = 0, cy = 0;
    int32_t head = 0;  // 0: free slot
    int32_t tail = 0;
  };

  /// Cell numbers never decrease as the coordinate grows (they are clamped
  /// far out), and rounding keeps that order: a point between x - reach and
  /// x + reach lies in a cell between theirs.
  int64_t cellNumber(double v) const;
  static uint64_t hash(int64_t cx, int64_t cy);
  const Slot* find(int64_t cx, int64_t cy) const;
  Slot& findOrAdd(int64_t cx, int64_t cy);
  void grow();

  double cellSize_;
  size_t initialSlots_;
  std::vector<Slot> slots_;  // size a power of two, at most half full
  size_t used_ = 0;
  std::vector<int32_t> next_;  // per number: the next point of its cell, 0 at the end
};

}  // namespace common
