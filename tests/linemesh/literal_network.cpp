// The mesh maker's operations exactly as their linear scans and exchange sorts
// define them: the oracle that the indexed model is compared with.
#include "literal_network.h"

#include <cassert>
#include <cmath>
#include <string>

#include "common/errors.h"
#include "linemesh/model/messages.h"

namespace linemesh::testing {
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

[[noreturn]] void refuse(text::Table table, int capacity) {
  throw common::RangeError(text::tableFull(table, capacity));
}

}  // namespace

int LiteralNetwork::toroku(double x, double y) {
  for (int k = 1; k <= NUMNP; ++k)
    if (distance(x, y, Node[k].X, Node[k].Y) < kCoincident) return k;
  return appendNode(x, y);
}

int LiteralNetwork::searchnode(double X, double Y) const {
  for (int k = 1; k <= NUMNP; ++k)
    if (Node[k].Flag >= 0 && distance(X, Y, Node[k].X, Node[k].Y) < kOnNode) return k;
  return -1;
}

int LiteralNetwork::searchElem(int p1, int p2) const {
  if (p2 < p1) std::swap(p1, p2);
  for (int j = 1; j <= NUMEL; ++j) {
    const LineRecord& e = Elem[j];
    if (e.Flag >= 0 && std::min(e.N1, e.N2) == p1 && std::max(e.N1, e.N2) == p2) return j;
  }
  return -1;
}

void LiteralNetwork::XCheck(int pp1, int pp2) {
  if (NUMEL < 2) return;
  const int e0 = searchElem(pp1, pp2);
  assert(e0 >= 0);
  const int a = pp2, b = pp1;
  struct Crossing {
    int node, line;
    double x, y, dist;
    bool cutLine, cutNew;
  };
  std::vector<Crossing> crossings;
  const int oldNodes = NUMNP;
  const int oldLines = NUMEL;
  for (int j = 1; j <= oldLines; ++j) {
    if (j == e0 || Elem[j].Flag < 0) continue;
    double xx = 0, yy = 0;
    if (!isCross(a, b, Elem[j].N2, Elem[j].N1, xx, yy)) continue;
    int m = searchnode(xx, yy);
    if (m < 0) {
      if (NUMNP >= kNodeCapacity) {
        NUMNP = oldNodes;
        refuse(text::Table::Node, kNodeCapacity);
      }
      m = appendNode(xx, yy);
      Node[m].Flag = 1;
      crossings.push_back({m, j, xx, yy, distance(Node[a].X, Node[a].Y, xx, yy), true, true});
      continue;
    }
    const bool cutLine = m != Elem[j].N1 && m != Elem[j].N2;
    const bool cutNew = m != pp1 && m != pp2;
    if (cutLine || cutNew)
      crossings.push_back({m, j, Node[m].X, Node[m].Y,
                           distance(Node[a].X, Node[a].Y, Node[m].X, Node[m].Y), cutLine, cutNew});
  }
  std::vector<Crossing> cuts;
  for (const Crossing& c : crossings) {
    if (!c.cutNew) continue;
    bool seen = false;
    for (const Crossing& d : cuts) seen = seen || d.node == c.node;
    if (!seen) cuts.push_back(c);
  }
  long linePieces = 0;
  for (const Crossing& c : crossings) linePieces += c.cutLine ? 1 : 0;
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
  const size_t count = cuts.size();
  for (size_t i = 0; i + 1 < count; ++i)
    for (size_t k = i + 1; k < count; ++k)
      if (cuts[i].dist < cuts[k].dist) std::swap(cuts[i], cuts[k]);
  int last = pp1;
  int cur = e0;
  for (const Crossing& c : cuts) {
    Elem[cur].N1 = c.node;
    Elem[cur].N2 = last;
    last = c.node;
    cur = appendLine(0, 0);
  }
  Elem[cur].N1 = pp2;
  Elem[cur].N2 = last;
}

void LiteralNetwork::ReNum() {
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
  for (int j = 1; j <= oldLines; ++j) {
    const SavedLine& w = lineWork[j];
    if (w.flag < 0) continue;
    const SavedNode& s = nodeWork[w.n1];
    const SavedNode& e = nodeWork[w.n2];
    if (distance(s.x, s.y, e.x, e.y) <= kShortLine) continue;
    ++NUMEL;
    int n1 = toroku(s.x, s.y);
    int n2 = toroku(e.x, e.y);
    Elem[NUMEL].N1 = n1;
    Elem[NUMEL].N2 = n2;
    Elem[NUMEL].Flag = 0;
  }
}

void LiteralNetwork::PreYoso() {
  for (int k = 1; k <= NUMNP; ++k) Node[k].Flag = 0;
  for (int j = 1; j <= NUMEL; ++j) {
    if (Elem[j].Flag < 0) continue;
    ++Node[Elem[j].N1].Flag;
    ++Node[Elem[j].N2].Flag;
  }
  for (int k = 1; k <= NUMNP; ++k) {
    if (Node[k].Flag >= 2) continue;
    Node[k].Flag = -1;
    for (int j = 1; j <= NUMEL; ++j)
      if (Elem[j].N1 == k || Elem[j].N2 == k) Elem[j].Flag = -1;
  }
  ReNum();
  for (int k = 1; k <= NUMNP; ++k) Node[k].No = k;
}

void LiteralNetwork::YSort() {
  for (int i = 1; i < NUMNP; ++i)
    for (int k = i + 1; k <= NUMNP; ++k)
      if (Node[i].Y > Node[k].Y) std::swap(Node[i], Node[k]);
}

void LiteralNetwork::XSort() {
  for (int i = 1; i < NUMNP; ++i)
    for (int k = i + 1; k <= NUMNP; ++k) {
      if (Node[i].X > Node[k].X)
        std::swap(Node[i], Node[k]);
      else if (std::fabs(Node[i].X - Node[k].X) < 0.01 && Node[i].Y > Node[k].Y)
        std::swap(Node[i], Node[k]);
    }
}

int LiteralNetwork::searchNode2(int p) const {
  for (int k = 1; k <= NUMNP; ++k)
    if (Node[k].No == p) return k;
  return -1;
}

void LiteralNetwork::ElemSort() {
  for (int j = 1; j <= NUMEL; ++j) {
    Elem[j].N1 = searchNode2(Elem[j].N1);
    Elem[j].N2 = searchNode2(Elem[j].N2);
  }
}

std::vector<int> LiteralNetwork::GetElemNum(int n) const {
  std::vector<int> list;
  for (int j = 1; j <= NUMEL; ++j) {
    if (Elem[j].Flag >= 2) continue;
    if (Elem[j].N1 == n) list.push_back(Elem[j].N2);
    if (Elem[j].N2 == n) list.push_back(Elem[j].N1);
  }
  return list;
}

int LiteralNetwork::getNext(int p1, int p2) const {
  // Every live line at p2 competes, so that a cell is never walked through a
  // side already used by two elements; such a side stops the walk.
  double best = 99999.0;
  int result = -1;
  for (int j = 1; j <= NUMEL; ++j) {
    if (Elem[j].Flag < 0) continue;
    for (int end = 0; end < 2; ++end) {
      int here = end == 0 ? Elem[j].N1 : Elem[j].N2;
      if (here != p2) continue;
      int q = end == 0 ? Elem[j].N2 : Elem[j].N1;
      double a = CalcDeg(p1, p2, q);
      if (a < kPi && a > kMinAngle && a < best) {
        best = a;
        result = q;
      }
    }
  }
  if (result < 0) return -1;
  int side = searchElem(p2, result);
  return Elem[side].Flag >= 2 ? -1 : result;
}

int LiteralNetwork::getElem(int p1, int p2, int p3, int p4) const {
  sortNum(p1, p2, p3, p4);
  for (int e = 1; e <= NE; ++e) {
    int q1 = KI[e][1], q2 = KI[e][2], q3 = KI[e][3], q4 = KI[e][4];
    if (q4 == 0) q4 = q3;
    sortNum(q1, q2, q3, q4);
    if (q1 == p1 && q2 == p2 && q3 == p3 && q4 == p4) return e;
  }
  return -1;
}

void LiteralNetwork::reFrame() {
  for (int j = 1; j <= NUMEL; ++j) Elem[j].Flag = 0;
  NE = 0;
  auto closes = [this](int last, int c1, int c2) {
    double a = CalcDeg(last, c1, c2);
    return a > kMinAngle && a < kPi;
  };
  auto record = [this](std::initializer_list<int> corners, int kn) {
    if (NE >= kElementCapacity) refuse(text::Table::Element, kElementCapacity);
    ++NE;
    KI[NE] = CornerRow{};
    int place = 1;
    for (int c : corners) KI[NE][place++] = c;
    KN[NE] = kn;
  };
  auto use = [this](int p, int q) {
    int j = searchElem(p, q);
    if (j > 0) ++Elem[j].Flag;
  };
  for (int c1 = 1; c1 <= NUMNP; ++c1) {
    for (int c2 : GetElemNum(c1)) {
      int c3 = getNext(c1, c2);
      if (c3 < 0) continue;
      int c4 = getNext(c2, c3);
      if (c4 < 0) continue;
      if (c4 == c1) {
        if (closes(c3, c1, c2) && getElem(c1, c2, c3, c3) == -1) {
          record({c1, c2, c3, 0}, 3);
          use(c1, c2), use(c2, c3), use(c3, c1);
        }
        continue;
      }
      int c5 = getNext(c3, c4);
      if (c5 < 0) continue;
      if (c5 == c1) {
        if (closes(c4, c1, c2) && getElem(c1, c2, c3, c4) == -1) {
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

int LiteralNetwork::drawLine(double x1, double y1, double x2, double y2) {
  int a = dgetpoint(x1, y1);
  if (a > 0) x1 = Node[a].X, y1 = Node[a].Y;
  int b = dgetpoint(x2, y2);
  if (b > 0) x2 = Node[b].X, y2 = Node[b].Y;
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

void LiteralNetwork::tidyForSave() {
  ReNum();
  PreYoso();
  YSort();
  XSort();
  ElemSort();
}

void LiteralNetwork::formElements() {
  LiteralNetwork before = *this;
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

}  // namespace linemesh::testing
