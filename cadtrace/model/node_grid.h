// Nodes by square grid cell, in a flat open-addressing table: the lookups of
// node registration visit only the cells within the tolerance of a point.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

namespace cadtrace {

class NodeGrid {
 public:
  explicit NodeGrid(double cellSize);

  void clear();

  /// Adds a node; nodes must come in ascending order.
  void add(int32_t node, double x, double y);

  /// Calls visit(node) for the nodes of every cell that the square of half
  /// side `reach` round (x, y) touches, each cell's nodes in ascending order,
  /// until visit returns false (then that cell's walk ends). Every node
  /// within `reach` of (x, y) in each coordinate is visited.
  template <typename Visit>
  void forEachCellNear(double x, double y, double reach, Visit&& visit) const {
    int64_t x0 = cellNumber(x - reach), x1 = cellNumber(x + reach);
    int64_t y0 = cellNumber(y - reach), y1 = cellNumber(y + reach);
    for (int64_t cx = x0; cx <= x1; ++cx) {
      for (int64_t cy = y0; cy <= y1; ++cy) {
        const Slot* slot = find(cx, cy);
        if (slot == nullptr) continue;
        for (int32_t node = slot->head; node != 0; node = next_[node])
          if (!visit(node)) break;
      }
    }
  }

 private:
  struct Slot {
    int64_t cx = 0, cy = 0;
    int32_t head = 0;  // 0: free slot
    int32_t tail = 0;
  };

  /// Cell numbers never decrease as the coordinate grows (they are clamped
  /// far out), and rounding keeps that order: a node between x - reach and
  /// x + reach lies in a cell between theirs.
  int64_t cellNumber(double v) const;
  static uint64_t hash(int64_t cx, int64_t cy);
  const Slot* find(int64_t cx, int64_t cy) const;
  Slot& findOrAdd(int64_t cx, int64_t cy);
  void grow();

  double cellSize_;
  std::vector<Slot> slots_;  // size a power of two, at most half full
  size_t used_ = 0;
  std::vector<int32_t> next_;  // per node: the next node of its cell, 0 at the end
};

}  // namespace cadtrace
