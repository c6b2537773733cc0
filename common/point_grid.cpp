#include "common/point_grid.h"

#include "common/hash_mix.h"

namespace common {
namespace {

constexpr double kCellLimit = 4.0e18;

}  // namespace

PointGrid::PointGrid(double cellSize, size_t initialSlots)
    : cellSize_(cellSize), initialSlots_(initialSlots), slots_(initialSlots), next_(1) {}

void PointGrid::clear() {
  slots_.assign(initialSlots_, Slot{});
  used_ = 0;
  next_.assign(1, 0);
}

int64_t PointGrid::cellNumber(double v) const {
  double c = std::floor(v / cellSize_);
  if (!(c > -kCellLimit)) return static_cast<int64_t>(-kCellLimit);
  if (c > kCellLimit) return static_cast<int64_t>(kCellLimit);
  return static_cast<int64_t>(c);
}

uint64_t PointGrid::hash(int64_t cx, int64_t cy) {
  return mixBits(static_cast<uint64_t>(cx) * 0x9e3779b97f4a7c15ULL ^ static_cast<uint64_t>(cy));
}

const PointGrid::Slot* PointGrid::find(int64_t cx, int64_t cy) const {
  size_t mask = slots_.size() - 1;
  for (size_t i = hash(cx, cy) & mask;; i = (i + 1) & mask) {
    const Slot& s = slots_[i];
    if (s.head == 0) return nullptr;
    if (s.cx == cx && s.cy == cy) return &s;
  }
}

PointGrid::Slot& PointGrid::findOrAdd(int64_t cx, int64_t cy) {
  if (2 * (used_ + 1) > slots_.size()) grow();
  size_t mask = slots_.size() - 1;
  for (size_t i = hash(cx, cy) & mask;; i = (i + 1) & mask) {
    Slot& s = slots_[i];
    if (s.head == 0) {
      s.cx = cx;
      s.cy = cy;
      ++used_;
      return s;
    }
    if (s.cx == cx && s.cy == cy) return s;
  }
}

void PointGrid::grow() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  size_t mask = slots_.size() - 1;
  for (const Slot& s : old) {
    if (s.head == 0) continue;
    size_t i = hash(s.cx, s.cy) & mask;
    while (slots_[i].head != 0) i = (i + 1) & mask;
    slots_[i] = s;
  }
}

void PointGrid::add(int32_t number, double x, double y) {
  if (static_cast<int32_t>(next_.size()) <= number) next_.resize(number + 1, 0);
  next_[number] = 0;
  Slot& s = findOrAdd(cellNumber(x), cellNumber(y));
  if (s.head == 0) {
    s.head = number;
  } else {
    next_[s.tail] = number;
  }
  s.tail = number;
}

}  // namespace common
