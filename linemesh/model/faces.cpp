#include "linemesh/model/faces.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <numeric>
#include <utility>

namespace linemesh {

namespace {

/// The distinct live lines as node pairs (smaller node first), sorted.
std::vector<std::pair<int, int>> distinctSides(const LineNetwork& net) {
  auto live = [&net](int k) { return k >= 1 && k <= net.NUMNP && net.Node[k].Flag >= 0; };
  std::vector<std::pair<int, int>> sides;
  sides.reserve(net.NUMEL);
  for (int j = 1; j <= net.NUMEL; ++j) {
    const LineRecord& l = net.Elem[j];
    if (l.Flag < 0 || l.N1 == l.N2 || !live(l.N1) || !live(l.N2)) continue;
    const NodeRecord &a = net.Node[l.N1], &b = net.Node[l.N2];
    if (a.X == b.X && a.Y == b.Y) continue;
    sides.emplace_back(std::min(l.N1, l.N2), std::max(l.N1, l.N2));
  }
  std::sort(sides.begin(), sides.end());
  sides.erase(std::unique(sides.begin(), sides.end()), sides.end());
  return sides;
}

int findRoot(std::vector<int>& parent, int k) {
  while (parent[k] != k) k = parent[k] = parent[parent[k]];
  return k;
}

/// Even-odd test of a point against the polygon of a closed walk. A side
/// walked out and back crosses the ray twice and so counts for nothing.
bool inside(const LineNetwork& net, const std::vector<int>& walk, double x, double y) {
  bool in = false;
  for (size_t i = 0, n = walk.size(); i < n; ++i) {
    const NodeRecord& a = net.Node[walk[i]];
    const NodeRecord& b = net.Node[walk[(i + 1) % n]];
    if ((a.Y > y) != (b.Y > y) && x < a.X + (y - a.Y) * (b.X - a.X) / (b.Y - a.Y)) in = !in;
  }
  return in;
}

struct Walk {
  std::vector<int> nodes;
  double twiceArea = 0.0;
  int part = 0;  // connected part of the network
};

struct Box {
  double x0, y0, x1, y1;
  bool holds(double x, double y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
};

Box boxOf(const LineNetwork& net, const std::vector<int>& walk) {
  Box b{HUGE_VAL, HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
  for (int k : walk) {
    b.x0 = std::min(b.x0, net.Node[k].X), b.x1 = std::max(b.x1, net.Node[k].X);
    b.y0 = std::min(b.y0, net.Node[k].Y), b.y1 = std::max(b.y1, net.Node[k].Y);
  }
  return b;
}

}  // namespace

double twiceSignedArea(const LineNetwork& net, const std::vector<int>& walk) {
  double sum = 0.0;
  for (size_t i = 0, n = walk.size(); i < n; ++i) {
    const NodeRecord& a = net.Node[walk[i]];
    const NodeRecord& b = net.Node[walk[(i + 1) % n]];
    sum += a.X * b.Y - b.X * a.Y;
  }
  return sum;
}

int faceContaining(const LineNetwork& net, const std::vector<Face>& faces, double x, double y) {
  for (size_t f = 0; f < faces.size(); ++f) {
    if (!inside(net, faces[f].corners, x, y)) continue;
    bool inHole = false;
    for (const auto& hole : faces[f].holes) inHole = inHole || inside(net, hole, x, y);
    if (!inHole) return static_cast<int>(f);
  }
  return -1;
}

std::vector<Face> findFaces(const LineNetwork& net) {
  const std::vector<std::pair<int, int>> sides = distinctSides(net);
  // Directed sides: 2s runs from the smaller node of side s, 2s + 1 back.
  const int count = static_cast<int>(sides.size()) * 2;
  auto from = [&sides](int h) { return h & 1 ? sides[h >> 1].second : sides[h >> 1].first; };
  auto to = [&sides](int h) { return h & 1 ? sides[h >> 1].first : sides[h >> 1].second; };

  // The sides leaving each node, in counter-clockwise order of direction.
  std::vector<int> start(net.NUMNP + 2, 0);
  for (int h = 0; h < count; ++h) ++start[from(h) + 1];
  std::partial_sum(start.begin(), start.end(), start.begin());
  std::vector<int> around(count);
  std::vector<double> direction(count);
  {
    std::vector<int> fill(start.begin(), start.end() - 1);
    for (int h = 0; h < count; ++h) {
      const NodeRecord &a = net.Node[from(h)], &b = net.Node[to(h)];
      direction[h] = std::atan2(b.Y - a.Y, b.X - a.X);
      around[fill[from(h)]++] = h;
    }
  }
  std::vector<int> place(count);
  for (int k = 1; k <= net.NUMNP; ++k) {
    auto first = around.begin() + start[k], last = around.begin() + start[k + 1];
    std::sort(first, last, [&](int p, int q) {
      return direction[p] != direction[q] ? direction[p] < direction[q] : to(p) < to(q);
    });
    for (auto it = first; it != last; ++it) place[*it] = static_cast<int>(it - around.begin());
  }
  // Arriving along u->v, the sharpest left turn leaves v by the side that
  // comes just before v->u in counter-clockwise order.
  auto next = [&](int h) {
    const int v = to(h), back = place[h ^ 1], degree = start[v + 1] - start[v];
    return around[start[v] + (back - start[v] + degree - 1) % degree];
  };

  std::vector<int> parent(net.NUMNP + 1);
  std::iota(parent.begin(), parent.end(), 0);
  for (const auto& [a, b] : sides) parent[findRoot(parent, a)] = findRoot(parent, b);

  // Every walk, started from its smallest directed side: the sides taken by
  // first node, then by second node.
  std::vector<Walk> walks;
  std::vector<char> walked(count, 0);
  std::vector<int> leaving;
  for (int k = 1; k <= net.NUMNP; ++k) {
    leaving.assign(around.begin() + start[k], around.begin() + start[k + 1]);
    std::sort(leaving.begin(), leaving.end(), [&](int p, int q) { return to(p) < to(q); });
    for (int h0 : leaving) {
      if (walked[h0]) continue;
      Walk w;
      int h = h0;
      for (; !walked[h]; h = next(h)) {
        walked[h] = 1;
        w.nodes.push_back(from(h));
      }
      // next() is a permutation of the directed sides: every walk closes.
      assert(h == h0 && "findFaces: a walk ran into another walk");
      w.twiceArea = twiceSignedArea(net, w.nodes);
      w.part = findRoot(parent, w.nodes.front());
      walks.push_back(std::move(w));
    }
  }

  // The walk of least signed area in each part goes round it clockwise: its
  // outer walk. Every other walk bounds a face.
  std::vector<int> outerOf(net.NUMNP + 1, -1);
  for (int i = 0; i < static_cast<int>(walks.size()); ++i) {
    int& o = outerOf[walks[i].part];
    if (o < 0 || walks[i].twiceArea < walks[o].twiceArea) o = i;
  }
  std::vector<int> faceWalk;
  std::vector<Face> faces;
  for (int i = 0; i < static_cast<int>(walks.size()); ++i) {
    if (outerOf[walks[i].part] == i) continue;
    faceWalk.push_back(i);
    Face f;
    f.corners = std::move(walks[i].nodes);  // outer walks stay for the hole search
    f.area = walks[i].twiceArea / 2;
    faces.push_back(std::move(f));
  }

  // A part inside another part's face is a hole of the innermost such face.
  std::vector<int> outers;
  for (int i = 0; i < static_cast<int>(walks.size()); ++i)
    if (outerOf[walks[i].part] == i) outers.push_back(i);
  if (outers.size() < 2) return faces;
  std::vector<int> bySize(faces.size());
  std::iota(bySize.begin(), bySize.end(), 0);
  // Outer areas, before the holes are taken off: the first face found is the innermost.
  std::stable_sort(bySize.begin(), bySize.end(),
                   [&](int p, int q) { return faces[p].area < faces[q].area; });
  std::vector<Box> boxes(faces.size());
  for (size_t f = 0; f < faces.size(); ++f) boxes[f] = boxOf(net, faces[f].corners);
  for (int o : outers) {
    const Walk& part = walks[o];
    const NodeRecord& p = net.Node[part.nodes.front()];
    for (int f : bySize) {
      if (walks[faceWalk[f]].part == part.part || !boxes[f].holds(p.X, p.Y) ||
          !inside(net, faces[f].corners, p.X, p.Y))
        continue;
      faces[f].holes.push_back(part.nodes);
      faces[f].area += part.twiceArea / 2;  // clockwise: negative
      break;
    }
  }
  return faces;
}

}  // namespace linemesh
