#include "linemesh/model/indexes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace linemesh::detail {

PointGrid::PointGrid(double tolerance) : tolerance_(tolerance), size_(2 * tolerance) {}

bool PointGrid::cellOf(double v, int64_t& cell) const {
  double c = std::floor(v / size_);
  // Beyond 2^52 cells the grid's integers could no longer step by one.
  if (!(std::fabs(c) < 4503599627370496.0)) return false;
  cell = static_cast<int64_t>(c);
  return true;
}

bool PointGrid::near(const Point& p, double x, double y) const {
  double dx = p.x - x;
  double dy = p.y - y;
  return std::sqrt(dx * dx + dy * dy) < tolerance_;
}

void PointGrid::add(int number, double x, double y) {
  int index = static_cast<int>(points_.size());
  points_.push_back({number, x, y, -1});
  int64_t cx, cy;
  if (!cellOf(x, cx) || !cellOf(y, cy)) {
    outside_.push_back(index);
    return;
  }
  auto [it, added] = heads_.try_emplace(Cell{cx, cy}, index);
  if (!added) {
    points_[index].next = it->second;
    it->second = index;
  }
}

namespace {

double treeKey(double key) {
  return std::isnan(key) ? std::numeric_limits<double>::infinity() : key;
}

bool below(double key, double bound, bool strict) { return strict ? key < bound : key <= bound; }

}  // namespace

MinTree::MinTree(const std::vector<double>& keys) {
  const int n = static_cast<int>(keys.size());
  count_ = n;
  size_ = 1;
  while (size_ < n) size_ *= 2;
  min_.assign(2 * size_, std::numeric_limits<double>::infinity());
  for (int i = 0; i < n; ++i) min_[size_ + i] = treeKey(keys[i]);
  for (int node = size_ - 1; node >= 1; --node)
    min_[node] = std::min(min_[2 * node], min_[2 * node + 1]);
}

void MinTree::set(int position, double key) {
  int node = size_ + position;
  min_[node] = treeKey(key);
  for (node /= 2; node >= 1; node /= 2) min_[node] = std::min(min_[2 * node], min_[2 * node + 1]);
}

int MinTree::find(int node, int lo, int hi, int after, double bound, bool strict) const {
  if (hi <= after || !below(min_[node], bound, strict)) return -1;
  if (lo == hi) return lo;
  int mid = (lo + hi) / 2;
  int left = find(2 * node, lo, mid, after, bound, strict);
  if (left >= 0) return left;
  return find(2 * node + 1, mid + 1, hi, after, bound, strict);
}

int MinTree::firstBelow(int after, double bound, bool strict) const {
  if (std::isnan(bound)) return -1;
  int found = find(1, 0, size_ - 1, after, bound, strict);
  return found < count_ ? found : -1;
}

namespace {

struct Keyed {
  double key;
  int item;
};

/// The items held by a block of consecutive positions of the exchange sort
/// while later items stream past them, in position order (keys never
/// decrease). An item meets the holders in turn and is exchanged with each
/// one whose key is strictly greater: it takes the place of the first such
/// holder, which moves on to the first holder strictly greater than itself
/// (jumping the run of holders equal to it), and so on; what is left comes out.
class Holders {
 public:
  explicit Holders(size_t capacity) { held_.reserve(capacity); }

  bool empty() const { return held_.empty(); }
  size_t size() const { return held_.size(); }
  double largest() const { return held_.back().key; }
  const std::vector<Keyed>& held() const { return held_; }
  void clear() { held_.clear(); }
  void append(Keyed k) { held_.push_back(k); }

  /// Passes an item whose key is below the largest held key; returns what comes out.
  Keyed pass(Keyed carry) {
    const size_t n = held_.size();
    size_t j = firstAbove(0, carry.key);
    while (j < n) {
      std::swap(carry, held_[j]);
      j = j + 1 < n && held_[j + 1].key > carry.key ? j + 1 : firstAbove(j + 1, carry.key);
    }
    return carry;
  }

 private:
  size_t firstAbove(size_t from, double key) const {
    auto it = std::upper_bound(held_.begin() + from, held_.end(), key,
                               [](double k, const Keyed& h) { return k < h.key; });
    return static_cast<size_t>(it - held_.begin());
  }

  std::vector<Keyed> held_;
};

/// The exchange sort done literally (for keys that are not all comparable).
std::vector<int> literalExchangeSort(std::vector<double> keys) {
  const int n = static_cast<int>(keys.size());
  std::vector<int> order(n);
  for (int i = 0; i < n; ++i) order[i] = i;
  for (int i = 0; i + 1 < n; ++i)
    for (int k = i + 1; k < n; ++k)
      if (keys[i] > keys[k]) {
        std::swap(keys[i], keys[k]);
        std::swap(order[i], order[k]);
      }
  return order;
}

}  // namespace

// Position i's pass of the exchange sort only ever changes position k and its
// own held item when it reaches k, so the passes of a block of positions can
// be run together, each later item meeting the block's holders in turn.
std::vector<int> exchangeSortOrder(std::vector<double> keys) {
  for (double k : keys)
    if (std::isnan(k)) return literalExchangeSort(std::move(keys));
  constexpr size_t kBlock = 1024;
  const size_t n = keys.size();
  std::vector<Keyed> items(n);
  for (size_t i = 0; i < n; ++i) items[i] = {keys[i], static_cast<int>(i)};
  Holders holders(kBlock);
  for (size_t first = 0; first < n; first += kBlock) {
    holders.clear();
    for (size_t k = first; k < n; ++k) {
      Keyed item = items[k];
      if (!holders.empty() && item.key < holders.largest()) item = holders.pass(item);
      if (holders.size() < kBlock)
        holders.append(item);  // position k starts its own pass with what reached it
      else
        items[k] = item;
    }
    std::copy(holders.held().begin(), holders.held().end(), items.begin() + first);
  }
  std::vector<int> order(n);
  for (size_t i = 0; i < n; ++i) order[i] = items[i].item;
  return order;
}

namespace {

struct Point {
  double x, y;
  int item;
};

/// The column sort's exchange condition: p held at an earlier position gives way to q.
bool givesWay(const Point& p, const Point& q) {
  return p.x > q.x || (std::fabs(p.x - q.x) < 0.01 && p.y > q.y);
}

std::vector<int> literalColumnSort(std::vector<Point> points) {
  const size_t n = points.size();
  for (size_t i = 0; i + 1 < n; ++i)
    for (size_t k = i + 1; k < n; ++k)
      if (givesWay(points[i], points[k])) std::swap(points[i], points[k]);
  std::vector<int> order(n);
  for (size_t i = 0; i < n; ++i) order[i] = points[i].item;
  return order;
}

}  // namespace

namespace {

/// The points held by a block of positions of the column sort, in position
/// order, with an upper bound of x per chunk of 32 so that the holders that
/// could give way to an item are found without looking at every one.
class ColumnHolders {
 public:
  static constexpr int kChunk = 32;

  explicit ColumnHolders(size_t capacity) {
    held_.reserve(capacity);
    chunkMax_.reserve(capacity / kChunk + 1);
  }

  size_t size() const { return held_.size(); }
  const std::vector<Point>& held() const { return held_; }
  void clear() {
    held_.clear();
    chunkMax_.clear();
  }

  void append(const Point& p) {
    if (held_.size() % kChunk == 0) chunkMax_.push_back(p.x);
    held_.push_back(p);
    raise(held_.size() - 1);
  }

  /// Passes an item by every holder in turn; returns what comes out. A holder
  /// can only give way when its x is at least the item's x - 0.02 (that
  /// covers "|dx| < 0.01" whatever the rounding); the exact test decides.
  Point pass(Point carry) {
    const size_t n = held_.size();
    size_t j = next(0, carry.x - 0.02);
    while (j < n) {
      if (givesWay(held_[j], carry)) {
        std::swap(carry, held_[j]);
        raise(j);
      }
      ++j;
      // Chains mostly run through neighbouring holders: try the next one first.
      if (j < n && !(held_[j].x >= carry.x - 0.02)) j = next(j, carry.x - 0.02);
    }
    return carry;
  }

 private:
  void raise(size_t j) {
    double& m = chunkMax_[j / kChunk];
    if (held_[j].x > m) m = held_[j].x;
  }

  /// The first holder at or after `from` with x >= bound, or size().
  size_t next(size_t from, double bound) {
    const size_t n = held_.size();
    size_t i = from;
    while (i < n) {
      size_t c = i / kChunk;
      size_t end = std::min(n, (c + 1) * kChunk);
      if (chunkMax_[c] < bound) {
        i = end;
        continue;
      }
      // A whole chunk scanned without a find gives its exact maximum.
      const bool whole = i == c * kChunk;
      double seen = -std::numeric_limits<double>::infinity();
      for (; i < end; ++i) {
        if (held_[i].x >= bound) return i;
        seen = std::max(seen, held_[i].x);
      }
      if (whole) chunkMax_[c] = seen;
    }
    return n;
  }

  std::vector<Point> held_;
  std::vector<double> chunkMax_;  // never below the chunk's largest x
};

}  // namespace

// Run in blocks of positions as exchangeSortOrder is; the condition is no
// order, so the holders are not sorted and every one that could give way is
// tested in turn.
std::vector<int> columnSortOrder(std::vector<double> x, std::vector<double> y) {
  const size_t n = x.size();
  std::vector<Point> items(n);
  for (size_t i = 0; i < n; ++i) items[i] = {x[i], y[i], static_cast<int>(i)};
  for (size_t i = 0; i < n; ++i)
    if (std::isnan(x[i]) || std::isnan(y[i])) return literalColumnSort(std::move(items));
  constexpr size_t kBlock = 1024;
  ColumnHolders holders(kBlock);
  for (size_t first = 0; first < n; first += kBlock) {
    holders.clear();
    for (size_t k = first; k < n; ++k) {
      Point carry = holders.pass(items[k]);
      if (holders.size() < kBlock)
        holders.append(carry);
      else
        items[k] = carry;
    }
    std::copy(holders.held().begin(), holders.held().end(), items.begin() + first);
  }
  std::vector<int> order(n);
  for (size_t i = 0; i < n; ++i) order[i] = items[i].item;
  return order;
}

}  // namespace linemesh::detail
