#include "linemesh/model/indexes.h"

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

double treeKey(double key) { return std::isnan(key) ? std::numeric_limits<double>::infinity() : key; }

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

/// One step i of an exchange sort: the item at i is exchanged with each link
/// in turn, each link the first later position whose item beats the current
/// one. The links rotate: link 1 takes the old item at i, link m+1 the item
/// of link m, and position i the item of the last link.
void rotateChain(int i, const std::vector<int>& links, std::vector<int>& order,
                 std::vector<double>& a, std::vector<double>* b, MinTree& tree) {
  if (links.empty()) return;
  int carriedOrder = order[i];
  double carriedA = a[i];
  double carriedB = b ? (*b)[i] : 0;
  for (int link : links) {
    std::swap(carriedOrder, order[link]);
    std::swap(carriedA, a[link]);
    if (b) std::swap(carriedB, (*b)[link]);
    tree.set(link, a[link]);
  }
  order[i] = carriedOrder;
  a[i] = carriedA;
  if (b) (*b)[i] = carriedB;
  tree.set(i, a[i]);
}

}  // namespace

std::vector<int> exchangeSortOrder(std::vector<double> keys) {
  const int n = static_cast<int>(keys.size());
  std::vector<int> order(n);
  for (int i = 0; i < n; ++i) order[i] = i;
  MinTree tree(keys);
  std::vector<int> links;
  for (int i = 0; i + 1 < n; ++i) {
    links.clear();
    double current = keys[i];
    for (int p = tree.firstBelow(i, current, true); p >= 0; p = tree.firstBelow(p, current, true)) {
      links.push_back(p);
      current = keys[p];
    }
    rotateChain(i, links, order, keys, nullptr, tree);
  }
  return order;
}

std::vector<int> columnSortOrder(std::vector<double> x, std::vector<double> y) {
  const int n = static_cast<int>(x.size());
  std::vector<int> order(n);
  for (int i = 0; i < n; ++i) order[i] = i;
  MinTree tree(x);
  std::vector<int> links;
  for (int i = 0; i + 1 < n; ++i) {
    links.clear();
    double cx = x[i], cy = y[i];
    // Every item that beats (cx, cy) has x < cx + 0.01 (up to rounding):
    // candidates come from the tree, the exact test decides.
    double bound = cx + 0.02;
    for (int p = tree.firstBelow(i, bound, false); p >= 0; p = tree.firstBelow(p, bound, false)) {
      if (cx > x[p] || (std::fabs(cx - x[p]) < 0.01 && cy > y[p])) {
        links.push_back(p);
        cx = x[p];
        cy = y[p];
        bound = cx + 0.02;
      }
    }
    rotateChain(i, links, order, x, &y, tree);
  }
  return order;
}

}  // namespace linemesh::detail
