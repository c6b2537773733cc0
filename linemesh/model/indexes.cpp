#include "linemesh/model/indexes.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <deque>
#include <limits>

namespace linemesh::detail {

namespace {

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

/// How many of the marked positions lie below a position (a Fenwick tree).
class MarkedPositions {
 public:
  explicit MarkedPositions(size_t count) : tree_(count + 1, 0) {}

  void mark(size_t position) {
    for (size_t i = position + 1; i < tree_.size(); i += i & (~i + 1)) ++tree_[i];
  }
  int below(size_t position) const {
    int count = 0;
    for (size_t i = position; i > 0; i -= i & (~i + 1)) count += tree_[i];
    return count;
  }

 private:
  std::vector<int> tree_;
};

/// Turns a run left by `steps` places (the first item moves to the end each time).
void turnLeft(std::deque<int>& run, size_t steps) {
  const size_t size = run.size();
  steps %= size;
  if (steps <= size / 2) {
    for (; steps > 0; --steps) {
      run.push_back(run.front());
      run.pop_front();
    }
  } else {
    for (steps = size - steps; steps > 0; --steps) {
      run.push_front(run.back());
      run.pop_back();
    }
  }
}

}  // namespace

// The sorted keys are known; what the exchanges decide is the order of equal
// keys. Take the items whose keys are at most v, in position order: every
// pass moves them among themselves exactly as it would with the larger items
// absent, and takes out the smallest. For the items equal to v, what matters
// of the smaller ones is only how many lie between them. While a smaller
// item remains, a pass whose chain starts at an item equal to v carries that
// item past the others of its leading run into the slot of the first smaller
// item, so the run turns left by one place; passes starting at a smaller item
// leave the equal items alone. Once the smaller items between them are gone,
// the run meets the next equal items and they turn together; with no smaller
// item left the equal items keep their order.
std::vector<int> exchangeSortOrder(std::vector<double> keys) {
  for (double k : keys)
    if (std::isnan(k)) return literalExchangeSort(std::move(keys));
  const size_t n = keys.size();
  std::vector<int> byKey(n);
  for (size_t i = 0; i < n; ++i) byKey[i] = static_cast<int>(i);
  std::stable_sort(byKey.begin(), byKey.end(), [&](int a, int b) { return keys[a] < keys[b]; });

  std::vector<int> order;
  order.reserve(n);
  MarkedPositions smaller(n);
  std::deque<int> run;
  for (size_t first = 0; first < n;) {
    size_t end = first + 1;
    while (end < n && !(keys[byKey[first]] < keys[byKey[end]])) ++end;
    // byKey[first, end) holds the positions of one key, ascending.
    run.clear();
    for (size_t g = first; g < end; ++g) {
      run.push_back(byKey[g]);
      const size_t from = static_cast<size_t>(byKey[g]) + 1;
      const size_t to = g + 1 < end ? static_cast<size_t>(byKey[g + 1]) : n;
      turnLeft(run, static_cast<size_t>(smaller.below(to) - smaller.below(from)));
    }
    order.insert(order.end(), run.begin(), run.end());
    for (size_t g = first; g < end; ++g) smaller.mark(static_cast<size_t>(byKey[g]));
    first = end;
  }
  return order;
}

namespace {

struct Point {
  double x, y;
};

/// The column sort's exchange condition: p held at an earlier position gives way to q.
bool givesWay(const Point& p, const Point& q) {
  return p.x > q.x || (std::fabs(p.x - q.x) < 0.01 && p.y > q.y);
}

std::vector<int> literalColumnSort(const std::vector<Point>& points) {
  const size_t n = points.size();
  std::vector<int> order(n);
  for (size_t i = 0; i < n; ++i) order[i] = static_cast<int>(i);
  for (size_t i = 0; i + 1 < n; ++i)
    for (size_t k = i + 1; k < n; ++k)
      if (givesWay(points[order[i]], points[order[k]])) std::swap(order[i], order[k]);
  return order;
}

/// The items held by a block of positions of the column sort, in position
/// order, while later items stream past them. Two things keep a pass short:
/// upper bounds of x and y per chunk of 32 holders, so that the holders that
/// could give way to an item are found without testing every one; and the
/// chains, runs of holders in which each gives way to the one before it.
/// Once an item enters a chain it travels to the chain's end (every holder
/// takes the one before it), so the whole run shifts by one place at once.
class ColumnHolders {
 public:
  static constexpr size_t kChunk = 32;

  ColumnHolders(const std::vector<Point>& points, size_t capacity) : points_(points) {
    held_.reserve(capacity);
    chunkMax_.reserve(capacity / kChunk + 1);
    chainEnds_.reserve(capacity / 64 + 1);
  }

  size_t size() const { return held_.size(); }
  const std::vector<int>& held() const { return held_; }
  void clear() {
    held_.clear();
    chunkMax_.clear();
    chainEnds_.clear();
  }

  void append(int item) {
    const size_t j = held_.size();
    if (j % kChunk == 0) chunkMax_.push_back(points_[item]);
    if (j % 64 == 0) chainEnds_.push_back(0);
    held_.push_back(item);
    raise(j);
    if (j > 0) setChainEnd(j - 1, !givesWay(at(j), at(j - 1)));
    setChainEnd(j, true);
  }

  /// Passes an item by every holder in turn; returns what comes out.
  int pass(int carry) {
    const size_t n = held_.size();
    size_t j = firstGivingWay(0, carry);
    while (j < n) {
      const size_t end = chainEnd(j);
      const int out = held_[end];
      std::move_backward(held_.begin() + j, held_.begin() + end, held_.begin() + end + 1);
      held_[j] = carry;
      raise(j);
      for (size_t c = j / kChunk + 1; c <= end / kChunk; ++c) raise(c * kChunk);
      // Inside the shifted run every holder still gives way to the one
      // before it; only the run's two borders can change.
      if (j > 0) setChainEnd(j - 1, !givesWay(at(j), at(j - 1)));
      if (end + 1 < n) setChainEnd(end, !givesWay(at(end + 1), at(end)));
      carry = out;
      j = firstGivingWay(end + 1, carry);
    }
    return carry;
  }

 private:
  const Point& at(size_t j) const { return points_[held_[j]]; }

  void raise(size_t j) {
    Point& m = chunkMax_[j / kChunk];
    m.x = std::max(m.x, at(j).x);
    m.y = std::max(m.y, at(j).y);
  }

  void setChainEnd(size_t j, bool end) {
    const uint64_t bit = uint64_t{1} << (j % 64);
    if (end)
      chainEnds_[j / 64] |= bit;
    else
      chainEnds_[j / 64] &= ~bit;
  }

  /// The last holder of the chain that holder j belongs to (the last holder
  /// always ends one).
  size_t chainEnd(size_t j) const {
    size_t word = j / 64;
    uint64_t bits = chainEnds_[word] & (~uint64_t{0} << (j % 64));
    while (bits == 0) bits = chainEnds_[++word];
    return word * 64 + static_cast<size_t>(std::countr_zero(bits));
  }

  /// The first holder at or after `from` that gives way to the item, or
  /// size(). A chunk is passed over when none of its holders can: all lie
  /// below x - 0.02 (that covers "|dx| < 0.01" whatever the rounding), or
  /// none has a greater x and none a greater y.
  size_t firstGivingWay(size_t from, int item) {
    const Point& p = points_[item];
    const double bound = p.x - 0.02;
    const size_t n = held_.size();
    size_t i = from;
    while (i < n) {
      const size_t c = i / kChunk;
      const size_t end = std::min(n, (c + 1) * kChunk);
      const Point& m = chunkMax_[c];
      if (m.x < bound || (m.x <= p.x && m.y <= p.y)) {
        i = end;
        continue;
      }
      // A whole chunk tested without a find gives its exact maxima.
      const bool whole = i == c * kChunk;
      Point seen{-std::numeric_limits<double>::infinity(),
                 -std::numeric_limits<double>::infinity()};
      for (; i < end; ++i) {
        const Point& h = at(i);
        if (givesWay(h, p)) return i;
        seen.x = std::max(seen.x, h.x);
        seen.y = std::max(seen.y, h.y);
      }
      if (whole) chunkMax_[c] = seen;
    }
    return n;
  }

  const std::vector<Point>& points_;
  std::vector<int> held_;
  std::vector<Point> chunkMax_;      // never below the chunk's largest x and y
  std::vector<uint64_t> chainEnds_;  // bit j: holder j + 1 does not give way to holder j
};

}  // namespace

// Position i's pass of the exchange sort only ever changes position k and its
// own held item when it reaches k, so the passes of a block of positions can
// be run together, each later item meeting the block's holders in turn. The
// condition is no order, so every holder that could give way is tested.
std::vector<int> columnSortOrder(std::vector<double> x, std::vector<double> y) {
  const size_t n = x.size();
  std::vector<Point> points(n);
  for (size_t i = 0; i < n; ++i) points[i] = {x[i], y[i]};
  for (size_t i = 0; i < n; ++i)
    if (std::isnan(x[i]) || std::isnan(y[i])) return literalColumnSort(points);
  constexpr size_t kBlock = 1024;
  std::vector<int> items(n);
  for (size_t i = 0; i < n; ++i) items[i] = static_cast<int>(i);
  ColumnHolders holders(points, kBlock);
  for (size_t first = 0; first < n; first += kBlock) {
    holders.clear();
    for (size_t k = first; k < n; ++k) {
      int carry = holders.pass(items[k]);
      if (holders.size() < kBlock)
        holders.append(carry);
      else
        items[k] = carry;
    }
    std::copy(holders.held().begin(), holders.held().end(), items.begin() + first);
  }
  return items;
}

}  // namespace linemesh::detail
