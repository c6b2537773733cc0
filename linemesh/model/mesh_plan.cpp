#include "linemesh/model/mesh_plan.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unordered_map>

#include "common/errors.h"
#include "common/numbers.h"
#include "linemesh/model/faces.h"
#include "linemesh/model/messages.h"
#include "linemesh/model/node_pair.h"

namespace linemesh {

namespace {

/// A closed walk split into the sides walked once (the boundary, as closed
/// loops of directed sides in walk order) and the sides walked out and back
/// (lines inside the face).
struct WalkParts {
  std::vector<std::vector<std::array<int, 2>>> loops;
  std::vector<NodePair> inner;
};

WalkParts splitWalk(const std::vector<int>& walk) {
  std::unordered_map<NodePair, int, NodePairHash> uses;
  const size_t n = walk.size();
  for (size_t i = 0; i < n; ++i) ++uses[nodePair(walk[i], walk[(i + 1) % n])];
  WalkParts parts;
  // Out-and-back excursions start and end at one node, so the sides walked
  // once still chain; an excursion to another loop leaves a chain open until
  // the walk comes back to it.
  std::vector<std::vector<std::array<int, 2>>> open;
  for (size_t i = 0; i < n; ++i) {
    const int u = walk[i], v = walk[(i + 1) % n];
    const NodePair s = nodePair(u, v);
    if (uses[s] > 1) {
      if (s.first == u) parts.inner.push_back(s);  // once per line
      continue;
    }
    if (open.empty() || open.back().back()[1] != u) open.emplace_back();
    open.back().push_back({u, v});
    if (open.back().back()[1] == open.back().front()[0]) {
      parts.loops.push_back(std::move(open.back()));
      open.pop_back();
    }
  }
  // What is left closes across the walk's starting point.
  if (!open.empty()) {
    std::vector<std::array<int, 2>> joined;
    for (auto it = open.rbegin(); it != open.rend(); ++it)
      joined.insert(joined.end(), it->begin(), it->end());
    if (joined.front()[0] != joined.back()[1])
      throw common::Error(text::autoMeshOpenBoundary(walk.front()));
    parts.loops.push_back(std::move(joined));
  }
  return parts;
}

/// Twice the signed area of a loop of directed sides.
double loopArea(const LineNetwork& net, const std::vector<std::array<int, 2>>& loop) {
  double sum = 0.0;
  for (const auto& [u, v] : loop)
    sum += net.Node[u].X * net.Node[v].Y - net.Node[v].X * net.Node[u].Y;
  return sum;
}

}  // namespace

bool MeshPlan::hasWholeCurves() const {
  return std::any_of(curves.begin(), curves.end(), [](const PlannedCurve& c) { return c.whole; });
}

bool MeshPlan::hasInnerCurves() const {
  return std::any_of(surfaces.begin(), surfaces.end(),
                     [](const PlannedSurface& s) { return !s.inner.empty(); });
}

MeshPlan planMesh(const LineNetwork& net, const AutoMeshRequest& request) {
  const double h = request.size;
  const std::vector<Face> faces = findFaces(net);
  MeshPlan plan;
  plan.size = h;

  // The faces to mesh, and the small cells among them kept as drawn.
  enum class Role : char { Untouched, Mesh, Keep };
  std::vector<Role> role(faces.size(), request.at.empty() ? Role::Mesh : Role::Untouched);
  for (const auto& [x, y] : request.at) {
    const int f = faceContaining(net, faces, x, y);
    if (f < 0)
      throw common::Error(
          text::autoMeshNoFaceAt(common::formatGeneral(x), common::formatGeneral(y)));
    role[f] = Role::Mesh;
  }
  auto length = [&net](int a, int b) {
    return std::hypot(net.Node[a].X - net.Node[b].X, net.Node[a].Y - net.Node[b].Y);
  };
  for (size_t f = 0; f < faces.size(); ++f) {
    const std::vector<int>& c = faces[f].corners;
    if (role[f] != Role::Mesh || !faces[f].holes.empty() || c.size() > 4) continue;
    double longest = 0.0;
    for (size_t i = 0; i < c.size(); ++i)
      longest = std::max(longest, length(c[i], c[(i + 1) % c.size()]));
    if (longest <= h) role[f] = Role::Keep, ++plan.facesKept;
  }

  // A line no longer than the size next to a face left as it is stays whole,
  // so that face keeps its corners; any other line of a meshed face is
  // divided (a longer line next to a face that is not meshed divides that
  // face's cell too: the formation report shows it).
  std::unordered_map<NodePair, bool, NodePairHash> bordersKept;
  auto forEachSide = [](const Face& face, auto visit) {
    auto walk = [&](const std::vector<int>& w) {
      for (size_t i = 0, n = w.size(); i < n; ++i) visit(nodePair(w[i], w[(i + 1) % n]));
    };
    walk(face.corners);
    for (const auto& hole : face.holes) walk(hole);
  };
  for (size_t f = 0; f < faces.size(); ++f)
    forEachSide(faces[f],
                [&](NodePair s) { bordersKept[s] = bordersKept[s] || role[f] != Role::Mesh; });
  std::unordered_map<NodePair, bool, NodePairHash> whole;  // the lines of the meshed faces
  for (size_t f = 0; f < faces.size(); ++f) {
    if (role[f] != Role::Mesh) continue;
    ++plan.facesMeshed;
    plan.meshedArea += faces[f].area;
    forEachSide(faces[f],
                [&](NodePair s) { whole[s] = bordersKept[s] && length(s.first, s.second) <= h; });
  }

  // Curves: each line once, tagged with its first slot.
  std::unordered_map<NodePair, int, NodePairHash> curveOf;
  std::vector<char> point(net.NUMNP + 1, 0);
  for (int j = 1; j <= net.NUMEL; ++j) {
    const LineRecord& l = net.Elem[j];
    const NodePair s = nodePair(l.N1, l.N2);
    auto w = whole.find(s);
    if (w == whole.end() || !curveOf.emplace(s, j).second) continue;
    plan.curves.push_back({j, l.N1, l.N2, w->second});
    point[l.N1] = point[l.N2] = 1;
  }
  for (int k = 1; k <= net.NUMNP; ++k)
    if (point[k]) plan.points.push_back(k);
  auto signedCurve = [&](int u, int v) {
    const int j = curveOf.at(nodePair(u, v));
    return net.Elem[j].N1 == u ? j : -j;
  };

  // Surfaces: the outer loop first, then the holes; the lines walked out and
  // back lie inside.
  for (size_t f = 0; f < faces.size(); ++f) {
    if (role[f] != Role::Mesh) continue;
    WalkParts parts = splitWalk(faces[f].corners);
    // A part joined to the face's boundary by a line is walked with it: its
    // loop goes clockwise, the outer loop counter-clockwise.
    std::stable_partition(parts.loops.begin(), parts.loops.end(),
                          [&](const auto& loop) { return loopArea(net, loop) > 0; });
    if (parts.loops.empty() || loopArea(net, parts.loops.front()) <= 0 ||
        (parts.loops.size() > 1 && loopArea(net, parts.loops[1]) > 0))
      throw common::Error(text::autoMeshAmbiguousOutline(faces[f].corners.front()));
    for (const auto& hole : faces[f].holes) {
      WalkParts inside = splitWalk(hole);
      parts.loops.insert(parts.loops.end(), inside.loops.begin(), inside.loops.end());
      parts.inner.insert(parts.inner.end(), inside.inner.begin(), inside.inner.end());
    }
    PlannedSurface surface;
    for (const auto& loop : parts.loops) {
      surface.loops.emplace_back();
      for (const auto& [u, v] : loop) surface.loops.back().push_back(signedCurve(u, v));
    }
    for (const NodePair& s : parts.inner) surface.inner.push_back(curveOf.at(s));
    plan.surfaces.push_back(std::move(surface));
  }
  return plan;
}

}  // namespace linemesh
