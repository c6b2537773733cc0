#include "linemesh/model/network.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "common/errors.h"
#include "common/history.h"
#include "common/point_grid.h"
#include "linemesh/model/indexes.h"
#include "linemesh/model/messages.h"

namespace linemesh {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 2 * kPi;
constexpr double kMinAngle = 1e-38;
constexpr double kCoincident = 1e-10;  // toroku
constexpr double kOnNode = 0.01;       // searchnode
constexpr double kShortLine = 0.0001;  // ReNum

double distance(double x1, double y1, double x2, double y2) {
  double dx = x2 - x1;
  double dy = y2 - y1;
  return std::sqrt(dx * dx + dy * dy);
}

/// Cell table slots for about n points: the grid does not grow while they fill it.
size_t slotsFor(int n) { return std::bit_ceil(2 * static_cast<size_t>(std::max(n, 64))); }

[[noreturn]] void refuse(text::Table table, int capacity) {
  throw common::RangeError(text::tableFull(table, capacity));
}

}  // namespace

LineNetwork::LineNetwork()
    : Node(kNodeCapacity + 1),
      Elem(kLineCapacity + 1),
      KI(kElementCapacity + 1),
      KN(kElementCapacity + 1) {}

int LineNetwork::appendNode(double x, double y) {
  if (NUMNP >= kNodeCapacity) refuse(text::Table::Node, kNodeCapacity);
  ++NUMNP;
  Node[NUMNP] = NodeRecord{0, x, y, 0};
  return NUMNP;
}

int LineNetwork::appendLine(int n1, int n2) {
  if (NUMEL >= kLineCapacity) refuse(text::Table::Line, kLineCapacity);
  ++NUMEL;
  Elem[NUMEL] = LineRecord{0, n1, n2, 0};
  return NUMEL;
}

int LineNetwork::dgetpoint(double x1, double y1) const {
  if (NUMNP <= 0) return -1;
  double best = 99999999.0;
  int found = -1;
  for (int k = 1; k <= NUMNP; ++k) {
    if (Node[k].Flag < 0) continue;
    double d = distance(x1, y1, Node[k].X, Node[k].Y);
    if (d < best) {
      best = d;
      found = k;
    }
  }
  return ONSNAP && best < eps ? found : -1;
}

int LineNetwork::snapToNode(double& x, double& y) const {
  const int k = dgetpoint(x, y);
  if (k > 0) {
    x = Node[k].X;
    y = Node[k].Y;
  }
  return k;
}

int LineNetwork::toroku(double x, double y) {
  for (int k = 1; k <= NUMNP; ++k)
    if (distance(x, y, Node[k].X, Node[k].Y) < kCoincident) return k;
  return appendNode(x, y);
}

int LineNetwork::searchnode(double X, double Y) const {
  for (int k = 1; k <= NUMNP; ++k)
    if (Node[k].Flag >= 0 && distance(X, Y, Node[k].X, Node[k].Y) < kOnNode) return k;
  return -1;
}

int LineNetwork::searchElem(int p1, int p2) const {
  if (p2 < p1) std::swap(p1, p2);
  for (int j = 1; j <= NUMEL; ++j) {
    const LineRecord& e = Elem[j];
    if (e.Flag >= 0 && std::min(e.N1, e.N2) == p1 && std::max(e.N1, e.N2) == p2) return j;
  }
  return -1;
}

int LineNetwork::itorokuElem(int p1, int p2) {
  // Stored the other way round: N1 = p2, N2 = p1.
  for (int j = 1; j <= NUMEL; ++j)
    if (Elem[j].Flag >= 0 && Elem[j].N1 == p2 && Elem[j].N2 == p1) return j;
  return appendLine(p2, p1);
}

int LineNetwork::dtoroku(double x1, double y1, double x2, double y2) {
  const int oldNodes = NUMNP;
  try {
    int a = dgetpoint(x1, y1);
    if (a < 0) a = appendNode(x1, y1);
    int b = dgetpoint(x2, y2);
    if (b < 0) b = appendNode(x2, y2);
    return itorokuElem(a, b);
  } catch (const common::RangeError&) {
    NUMNP = oldNodes;
    throw;
  }
}

bool LineNetwork::isCross(int p1, int p2, int p3, int p4, double& xx, double& yy) {
  const NodeRecord& P1 = Node[p1];
  const NodeRecord& P2 = Node[p2];
  const NodeRecord& P3 = Node[p3];
  const NodeRecord& P4 = Node[p4];
  double d1x = P2.X - P1.X, d1y = P2.Y - P1.Y;
  double d2x = P4.X - P3.X, d2y = P4.Y - P3.Y;
  double ex = P3.X - P1.X, ey = P3.Y - P1.Y;
  double det = d2x * d1y - d1x * d2y;
  lastDet = det;
  if (det >= -1e-38 && det <= 1e-38) return false;
  // A nearly zero determinant can put a "crossing" on disjoint, nearly
  // collinear segments: segments whose boxes do not touch never cross.
  if (std::max(P1.X, P2.X) < std::min(P3.X, P4.X) || std::max(P3.X, P4.X) < std::min(P1.X, P2.X) ||
      std::max(P1.Y, P2.Y) < std::min(P3.Y, P4.Y) || std::max(P3.Y, P4.Y) < std::min(P1.Y, P2.Y))
    return false;
  double t = (d2x * ey - d2y * ex) / det;
  double s = (d1x * ey - d1y * ex) / det;
  if (t >= 0 && t <= 1 && s >= 0 && s <= 1) {
    xx = P1.X + t * d1x;
    yy = P1.Y + t * d1y;
    return true;
  }
  return false;
}

void LineNetwork::XCheck(int pp1, int pp2) {
  if (NUMEL < 2) return;
  const int e0 = searchElem(pp1, pp2);
  // Callers check the line they have just added.
  assert(e0 >= 0 && "XCheck: no line joins the nodes");
  const int a = pp2, b = pp1;
  // A meeting point on a live node (within 0.01) cuts at that node: the
  // crossed line unless the node is one of its ends, the new line unless the
  // node is one of its ends. Elsewhere a fresh node cuts both.
  struct Crossing {
    int node, line;
    double dist;
    bool cutLine, cutNew;
  };
  std::vector<Crossing> crossings;
  const int oldNodes = NUMNP;
  const int oldLines = NUMEL;

  // A few crossings are looked up by scanning; a line with many gets an index.
  std::optional<common::PointGrid> grid;
  int scans = 0;
  auto liveNodeAt = [&](double x, double y) {
    if (!grid && ++scans <= 8) return searchnode(x, y);
    if (!grid) {
      grid.emplace(2 * kOnNode, slotsFor(NUMNP));
      for (int k = 1; k <= NUMNP; ++k) grid->add(k, Node[k].X, Node[k].Y);
    }
    return grid->lowest(x, y, kOnNode, [&](int32_t k) {
      return distance(x, y, Node[k].X, Node[k].Y) < kOnNode && Node[k].Flag >= 0;
    });
  };

  for (int j = 1; j <= oldLines; ++j) {
    if (j == e0 || Elem[j].Flag < 0) continue;
    double xx = 0, yy = 0;
    if (!isCross(a, b, Elem[j].N2, Elem[j].N1, xx, yy)) continue;
    int m = liveNodeAt(xx, yy);
    if (m >= 0) {
      const bool cutLine = m != Elem[j].N1 && m != Elem[j].N2;
      const bool cutNew = m != pp1 && m != pp2;
      if (cutLine || cutNew)
        crossings.push_back(
            {m, j, distance(Node[a].X, Node[a].Y, Node[m].X, Node[m].Y), cutLine, cutNew});
      continue;
    }
    if (NUMNP >= kNodeCapacity) {
      NUMNP = oldNodes;
      refuse(text::Table::Node, kNodeCapacity);
    }
    m = appendNode(xx, yy);
    Node[m].Flag = 1;
    if (grid) grid->add(m, xx, yy);
    crossings.push_back({m, j, distance(Node[a].X, Node[a].Y, xx, yy), true, true});
  }

  // The new line is cut once at each node, at the node's first crossing.
  std::vector<const Crossing*> cuts;
  std::unordered_set<int> cutNodes;
  long linePieces = 0;
  for (const Crossing& c : crossings) {
    if (c.cutLine) ++linePieces;
    if (c.cutNew && cutNodes.insert(c.node).second) cuts.push_back(&c);
  }
  if (static_cast<long>(oldLines) + linePieces + static_cast<long>(cuts.size()) > kLineCapacity) {
    NUMNP = oldNodes;
    refuse(text::Table::Line, kLineCapacity);
  }
  for (const Crossing& c : crossings) {
    if (!c.cutLine) continue;
    int old = Elem[c.line].N2;
    Elem[c.line].N2 = c.node;
    int piece = appendLine(c.node, old);
    Elem[piece].Flag = 1;
  }
  // Farthest from pp2 first, ties as an exchange sort leaves them.
  std::vector<double> keys;
  for (const Crossing* c : cuts) keys.push_back(-c->dist);
  int last = pp1;
  int cur = e0;
  for (int index : detail::exchangeSortOrder(keys)) {
    const Crossing& c = *cuts[index];
    Elem[cur].N1 = c.node;
    Elem[cur].N2 = last;
    last = c.node;
    cur = appendLine(0, 0);
  }
  Elem[cur].N1 = pp2;
  Elem[cur].N2 = last;
}

void LineNetwork::ReNum() {
  struct SavedNode {
    double x, y;
  };
  struct SavedLine {
    int n1, n2, flag;
  };
  std::vector<SavedNode> nodeWork(NUMNP + 1);
  std::vector<SavedLine> lineWork(NUMEL + 1);
  for (int k = 1; k <= NUMNP; ++k) {
    nodeWork[k] = {Node[k].X, Node[k].Y};
    Node[k].Flag = 0;
  }
  for (int j = 1; j <= NUMEL; ++j) {
    lineWork[j] = {Elem[j].N1, Elem[j].N2, Elem[j].Flag};
    Elem[j].Flag = 0;
  }
  const int oldLines = NUMEL;
  NUMNP = 0;
  NUMEL = 0;
  // toroku over the nodes registered so far, through a grid.
  common::PointGrid grid(2 * kCoincident, slotsFor(static_cast<int>(nodeWork.size())));
  auto registerNode = [&](double x, double y) {
    int k = grid.lowest(x, y, kCoincident, [&](int32_t n) {
      return distance(x, y, Node[n].X, Node[n].Y) < kCoincident;
    });
    if (k > 0) return k;
    k = appendNode(x, y);
    grid.add(k, x, y);
    return k;
  };
  for (int j = 1; j <= oldLines; ++j) {
    const SavedLine& w = lineWork[j];
    if (w.flag < 0) continue;
    const SavedNode& s = nodeWork[w.n1];
    const SavedNode& e = nodeWork[w.n2];
    if (distance(s.x, s.y, e.x, e.y) <= kShortLine) continue;
    ++NUMEL;
    int n1 = registerNode(s.x, s.y);
    int n2 = registerNode(e.x, e.y);
    Elem[NUMEL].N1 = n1;
    Elem[NUMEL].N2 = n2;
    Elem[NUMEL].Flag = 0;
  }
}

void LineNetwork::PreYoso() {
  for (int k = 1; k <= NUMNP; ++k) Node[k].Flag = 0;
  for (int j = 1; j <= NUMEL; ++j) {
    if (Elem[j].Flag < 0) continue;
    ++Node[Elem[j].N1].Flag;
    ++Node[Elem[j].N2].Flag;
  }
  // One pass: a node of degree 0 or 1 (as counted above) loses every line at it.
  for (int k = 1; k <= NUMNP; ++k)
    if (Node[k].Flag < 2) Node[k].Flag = -1;
  auto removed = [this](int k) { return k >= 1 && k <= NUMNP && Node[k].Flag == -1; };
  for (int j = 1; j <= NUMEL; ++j)
    if (removed(Elem[j].N1) || removed(Elem[j].N2)) Elem[j].Flag = -1;
  ReNum();
  for (int k = 1; k <= NUMNP; ++k) Node[k].No = k;
}

void LineNetwork::YSort() {
  std::vector<double> y(NUMNP);
  for (int k = 1; k <= NUMNP; ++k) y[k - 1] = Node[k].Y;
  reorderNodes(detail::exchangeSortOrder(std::move(y)));
}

void LineNetwork::reorderNodes(const std::vector<int>& order) {
  std::vector<NodeRecord> moved(order.size());
  for (size_t p = 0; p < order.size(); ++p) moved[p] = Node[order[p] + 1];
  std::copy(moved.begin(), moved.end(), Node.begin() + 1);
}

void LineNetwork::XSort() {
  std::vector<double> x(NUMNP), y(NUMNP);
  for (int k = 1; k <= NUMNP; ++k) {
    x[k - 1] = Node[k].X;
    y[k - 1] = Node[k].Y;
  }
  reorderNodes(detail::columnSortOrder(std::move(x), std::move(y)));
}

void LineNetwork::ElemSort() {
  std::unordered_map<int32_t, int> firstWithNo;
  for (int k = 1; k <= NUMNP; ++k) firstWithNo.try_emplace(Node[k].No, k);
  auto lookup = [&firstWithNo](int p) {
    auto it = firstWithNo.find(p);
    return it == firstWithNo.end() ? -1 : it->second;
  };
  for (int j = 1; j <= NUMEL; ++j) {
    Elem[j].N1 = lookup(Elem[j].N1);
    Elem[j].N2 = lookup(Elem[j].N2);
  }
}

double LineNetwork::CalcDeg(int p1, int p2, int p3) const {
  double a1 = std::atan2(Node[p1].Y - Node[p2].Y, Node[p1].X - Node[p2].X);
  if (a1 < 0) a1 += kTwoPi;
  double a3 = std::atan2(Node[p3].Y - Node[p2].Y, Node[p3].X - Node[p2].X);
  if (a3 < 0) a3 += kTwoPi;
  double d = a1 - a3;
  if (d < 0) d += kTwoPi;
  return d;
}

void LineNetwork::sortNum(int& p1, int& p2, int& p3, int& p4) {
  // A triangle (p4 repeating p3) rotates its three corners and repeats the
  // last one; the first smallest corner comes first.
  const int n = p3 == p4 ? 3 : 4;
  const int c[4] = {p1, p2, p3, p4};
  int m = 0;
  for (int i = 1; i < n; ++i)
    if (c[i] < c[m]) m = i;
  p1 = c[m];
  p2 = c[(m + 1) % n];
  p3 = c[(m + 2) % n];
  p4 = c[(m + n - 1) % n];
}

namespace {

/// The lines at every node, in line order (a loop line twice), built once for
/// element formation: the node and line numbers do not change while it runs,
/// only the lines' use counts.
class LinesAtNodes {
 public:
  struct Entry {
    int line, other;
  };

  explicit LinesAtNodes(const LineNetwork& net) : start_(net.NUMNP + 2, 0) {
    auto inRange = [&net](int k) { return k >= 1 && k <= net.NUMNP; };
    for (int j = 1; j <= net.NUMEL; ++j) {
      if (inRange(net.Elem[j].N1)) ++start_[net.Elem[j].N1 + 1];
      if (inRange(net.Elem[j].N2)) ++start_[net.Elem[j].N2 + 1];
    }
    for (size_t k = 1; k < start_.size(); ++k) start_[k] += start_[k - 1];
    entries_.resize(start_.back());
    std::vector<int> fill(start_.begin(), start_.end() - 1);
    for (int j = 1; j <= net.NUMEL; ++j) {
      const LineRecord& l = net.Elem[j];
      if (inRange(l.N1)) entries_[fill[l.N1]++] = {j, l.N2};
      if (inRange(l.N2)) entries_[fill[l.N2]++] = {j, l.N1};
    }
  }

  const Entry* begin(int node) const { return entries_.data() + start_[node]; }
  const Entry* end(int node) const { return entries_.data() + start_[node + 1]; }

 private:
  std::vector<int> start_;  // entries of node k: start_[k] .. start_[k + 1] - 1
  std::vector<Entry> entries_;
};

/// A corner list in the comparison form of sortNum, as a hashable key.
struct CornerKey {
  int c[4];
  bool operator==(const CornerKey&) const = default;
};

struct CornerKeyHash {
  size_t operator()(const CornerKey& k) const {
    uint64_t h = 1469598103934665603ULL;
    for (int v : k.c) h = (h ^ static_cast<uint32_t>(v)) * 1099511628211ULL;
    return h;
  }
};

CornerKey comparisonForm(int p1, int p2, int p3, int p4) {
  LineNetwork::sortNum(p1, p2, p3, p4);
  return {{p1, p2, p3, p4}};
}

}  // namespace

void LineNetwork::reFrame() {
  for (int j = 1; j <= NUMEL; ++j) Elem[j].Flag = 0;
  NE = 0;
  const LinesAtNodes lines(*this);
  std::unordered_set<CornerKey, CornerKeyHash> formed;  // getElem over rows 1..NE

  // Every live line at p2 competes, so that a cell is never walked through a
  // side already used by two elements; such a side stops the walk.
  auto getNext = [&](int p1, int p2) {
    double best = 99999.0;
    int result = -1, side = 0;
    for (auto* e = lines.begin(p2); e != lines.end(p2); ++e) {
      if (Elem[e->line].Flag < 0) continue;
      double a = CalcDeg(p1, p2, e->other);
      if (a < kPi && a > kMinAngle && a < best) {
        best = a;
        result = e->other;
        side = e->line;
      }
    }
    return result < 0 || Elem[side].Flag >= 2 ? -1 : result;
  };
  auto use = [&](int p, int q) {  // searchElem(p, q) gains a use
    for (auto* e = lines.begin(p); e != lines.end(p); ++e)
      if (e->other == q && Elem[e->line].Flag >= 0) {
        ++Elem[e->line].Flag;
        return;
      }
  };
  auto closes = [this](int last, int c1, int c2) {
    double a = CalcDeg(last, c1, c2);
    return a > kMinAngle && a < kPi;
  };
  auto record = [&](std::initializer_list<int> corners, int kn) {
    if (NE >= kElementCapacity) refuse(text::Table::Element, kElementCapacity);
    ++NE;
    KI[NE] = CornerRow{};
    int place = 1;
    for (int c : corners) KI[NE][place++] = c;
    KN[NE] = kn;
    const CornerRow& r = KI[NE];
    formed.insert(comparisonForm(r[1], r[2], r[3], r[4] == 0 ? r[3] : r[4]));
  };

  std::vector<int> starts;
  for (int c1 = 1; c1 <= NUMNP; ++c1) {
    starts.clear();  // GetElemNum(c1), taken once
    for (auto* e = lines.begin(c1); e != lines.end(c1); ++e)
      if (Elem[e->line].Flag < 2) starts.push_back(e->other);
    for (int c2 : starts) {
      int c3 = getNext(c1, c2);
      if (c3 < 0) continue;
      int c4 = getNext(c2, c3);
      if (c4 < 0) continue;
      if (c4 == c1) {
        if (closes(c3, c1, c2) && !formed.count(comparisonForm(c1, c2, c3, c3))) {
          record({c1, c2, c3, 0}, 3);
          use(c1, c2), use(c2, c3), use(c3, c1);
        }
        continue;
      }
      int c5 = getNext(c3, c4);
      if (c5 < 0) continue;
      if (c5 == c1) {
        if (closes(c4, c1, c2) && !formed.count(comparisonForm(c1, c2, c3, c4))) {
          record({c1, c2, c3, c4}, 4);
          use(c1, c2), use(c2, c3), use(c3, c4), use(c4, c1);
        }
        continue;
      }
      int c6 = getNext(c4, c5);
      if (c6 == c1 && closes(c5, c1, c2)) record({c1, c2, c3, c4, c5}, -1);
    }
  }
}

void LineNetwork::ReStruct() {
  for (int e = 1; e <= NE; ++e) {
    const int n = KN[e];
    if (n <= 0 || n > 4) continue;
    int r[6];
    for (int k = 1; k <= n; ++k) r[k] = KI[e][k];
    r[n + 1] = r[1];
    double lowest = 999999.0;
    int side = 0;
    for (int k = 1; k <= n; ++k) {
      double h = (Node[r[k]].Y + Node[r[k + 1]].Y) / 2;
      if (h < lowest) {
        lowest = h;
        side = k;
      }
    }
    if (side == 0) continue;
    for (int i = 0; i < n; ++i) KI[e][1 + i] = r[1 + (side - 1 + i) % n];
  }
}

int LineNetwork::drawLine(double x1, double y1, double x2, double y2) {
  snapToNode(x1, y1);
  snapToNode(x2, y2);
  const int oldNodes = NUMNP, oldLines = NUMEL;
  try {
    int line = dtoroku(x1, y1, x2, y2);
    // dtoroku stores the line from its second end to its first.
    XCheck(Elem[line].N2, Elem[line].N1);
    return line;
  } catch (const common::RangeError&) {
    NUMNP = oldNodes;
    NUMEL = oldLines;
    throw;
  }
}

void LineNetwork::deleteNode(int n) {
  Node[n].Flag = -1;
  for (int j = 1; j <= NUMEL; ++j) {
    LineRecord& e = Elem[j];
    if (e.Flag >= 0 && (e.N1 == n || e.N2 == n)) e.Flag = -1;
  }
}

void LineNetwork::deleteLine(int j) { Elem[j].Flag = -1; }

void LineNetwork::divideLine(int j, int parts) {
  if (NUMNP + parts - 1 > kNodeCapacity || NUMEL + parts - 1 > kLineCapacity)
    throw common::RangeError(text::divideOverCapacity(j, parts, kNodeCapacity, kLineCapacity));
  const int a = Elem[j].N1, b = Elem[j].N2;
  const double ax = Node[a].X, ay = Node[a].Y;
  const double sx = (Node[b].X - ax) / parts, sy = (Node[b].Y - ay) / parts;
  int prev = a;
  for (int i = 1; i <= parts - 1; ++i) {
    const int node = appendNode(ax + i * sx, ay + i * sy);
    if (i == 1) {
      Elem[j].N1 = prev;
      Elem[j].N2 = node;
    } else {
      appendLine(prev, node);
    }
    prev = node;
  }
  appendLine(prev, b);
}

void LineNetwork::addTo(common::ModelParts& parts) {
  parts.add(Node);
  parts.add(Elem);
  parts.add(KI);
  parts.add(KN);
  parts.add(NUMNP);
  parts.add(NUMEL);
  parts.add(NE);
  for (double* extent : {&xmin, &xmax, &ymin, &ymax}) parts.add(*extent);
}

void LineNetwork::tidyForSave() {
  ReNum();
  PreYoso();
  YSort();
  XSort();
  ElemSort();
}

void LineNetwork::formElements() {
  LineNetwork before = *this;
  try {
    PreYoso();
    YSort();
    XSort();
    ElemSort();
    reFrame();
    ReStruct();
  } catch (...) {
    *this = std::move(before);
    throw;
  }
}

int LineNetwork::cornerCount(int e) const {
  if (KN[e] < 0) return 5;
  const CornerRow& r = KI[e];
  return r[4] == 0 || r[4] == r[3] ? 3 : 4;
}

std::vector<std::array<int, 5>> LineNetwork::fiveCornerCells() const {
  std::vector<std::array<int, 5>> cells;
  std::set<std::array<int, 5>> seen;
  for (int e = 1; e <= NE; ++e) {
    if (KN[e] >= 0) continue;
    const std::array<int, 5> c = {KI[e][1], KI[e][2], KI[e][3], KI[e][4], KI[e][5]};
    // The same cell walked from another corner is a rotation of it.
    std::array<int, 5> key = c;
    std::rotate(key.begin(), std::min_element(key.begin(), key.end()), key.end());
    if (seen.insert(key).second) cells.push_back(c);
  }
  return cells;
}

}  // namespace linemesh
