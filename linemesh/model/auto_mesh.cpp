#include "linemesh/model/auto_mesh.h"

#include <gmsh.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <unordered_map>

#include "common/errors.h"
#include "linemesh/model/faces.h"

namespace linemesh {

namespace {

// Gmsh's options. Frontal-Delaunay (6) gives well-shaped triangles; they are
// recombined into quadrilaterals. The full-quad recombination is several
// times faster than the default on large sections and leaves no triangle,
// but it halves and then splits every line, so it cannot leave a line whole;
// where one must stay whole (next to a face that is not meshed) the simple
// recombination is used, which leaves a few triangles; the same where lines
// lie inside a face, which the full-quad recombination does not follow
// cleanly. One thread, so that
// the same input gives the same mesh.
constexpr double kAlgorithm = 6;
constexpr double kFullQuadRecombination = 2;
constexpr double kSimpleRecombination = 0;

// Limits beyond which the condition editor cannot open the mesh.
constexpr int kEditorNodes = 20000;
constexpr int kEditorElements = 20000;

// A quadrilateral with a corner this wide (degrees) or wider is split into two
// triangles at that corner: formation takes no corner of 180 degrees, and one
// close to it would be a poor element.
constexpr double kSplitAngle = 170.0;
constexpr double kPi = 3.141592653589793;

using Side = std::pair<int, int>;  // smaller node first

Side sideOf(int a, int b) { return {std::min(a, b), std::max(a, b)}; }

struct SideHash {
  size_t operator()(const Side& s) const {
    return std::hash<uint64_t>()(static_cast<uint64_t>(s.first) << 32 ^
                                 static_cast<uint32_t>(s.second));
  }
};

std::string number(double v) {
  char text[40];
  std::snprintf(text, sizeof text, "%g", v);
  return text;
}

/// Starts Gmsh for one meshing and ends it whatever happens.
class GmshSession {
 public:
  explicit GmshSession(bool fullQuad) {
    gmsh::initialize(0, nullptr, false);
    gmsh::option::setNumber("General.Terminal", 0);
    gmsh::option::setNumber("General.NumThreads", 1);
    gmsh::option::setNumber("Mesh.MaxNumThreads2D", 1);
    gmsh::option::setNumber("Mesh.Algorithm", kAlgorithm);
    gmsh::option::setNumber("Mesh.RecombineAll", 1);
    gmsh::option::setNumber("Mesh.RecombinationAlgorithm",
                            fullQuad ? kFullQuadRecombination : kSimpleRecombination);
    gmsh::logger::start();
    gmsh::model::add("section");
  }
  ~GmshSession() {
    try {
      gmsh::logger::stop();
      gmsh::finalize();
    } catch (...) {
    }
  }
  GmshSession(const GmshSession&) = delete;
  GmshSession& operator=(const GmshSession&) = delete;

  /// Gmsh's last error, for a message.
  static std::string lastError() {
    std::string error;
    try {
      gmsh::logger::getLastError(error);
    } catch (...) {
    }
    return error;
  }
};

/// The directed sides of a closed walk split into the sides walked once (the
/// boundary, as closed loops in walk order) and the sides walked out and back
/// (lines inside the face: they are embedded in its mesh).
struct WalkParts {
  std::vector<std::vector<std::array<int, 2>>> loops;
  std::vector<Side> inner;
};

WalkParts splitWalk(const std::vector<int>& walk) {
  std::unordered_map<Side, int, SideHash> uses;
  const size_t n = walk.size();
  for (size_t i = 0; i < n; ++i) ++uses[sideOf(walk[i], walk[(i + 1) % n])];
  WalkParts parts;
  // Out-and-back excursions start and end at one node, so the sides walked
  // once still chain; an excursion to another loop leaves a chain open until
  // the walk comes back to it.
  std::vector<std::vector<std::array<int, 2>>> open;
  for (size_t i = 0; i < n; ++i) {
    const int u = walk[i], v = walk[(i + 1) % n];
    const Side s = sideOf(u, v);
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
      throw common::Error("自動メッシュ: 面の境界が閉じていません");
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

/// The angle at c turned clockwise from the ray to p to the ray to q, degrees:
/// the inner angle of a counter-clockwise walk p, c, q.
double angleAt(std::array<double, 2> p, std::array<double, 2> c, std::array<double, 2> q) {
  const double a1 = std::atan2(p[1] - c[1], p[0] - c[0]);
  const double a3 = std::atan2(q[1] - c[1], q[0] - c[0]);
  double d = a1 - a3;
  while (d < 0) d += 2 * kPi;
  while (d >= 2 * kPi) d -= 2 * kPi;
  return d * 180.0 / kPi;
}

/// Refuses a size whose mesh passes the tables' capacity, naming the counts
/// reached (lines below 0: an estimate of the nodes alone) and a size that fits.
[[noreturn]] void refuseCapacity(double h, long nodes, long lines) {
  const double ratio = std::max(static_cast<double>(nodes) / kNodeCapacity,
                                static_cast<double>(lines) / kLineCapacity);
  const double fits = std::ceil(h * std::sqrt(ratio) * 1.1 * 100) / 100;
  const std::string reached =
      lines < 0 ? "約 " + std::to_string(nodes) + " 節点"
                : "節点 " + std::to_string(nodes) + "、線 " + std::to_string(lines);
  throw common::RangeError("自動メッシュ: 大きさ " + number(h) + " では" + reached +
                           "になり、表の容量（節点 " + std::to_string(kNodeCapacity) + "、線 " +
                           std::to_string(kLineCapacity) + "）を超えます。大きさ " + number(fits) +
                           " 以上にしてください");
}

/// The mesh read back from Gmsh, in the network's node numbers.
struct MeshedFaces {
  std::vector<std::array<double, 2>> newNodes;  // numbered from the tidied count + 1
  std::vector<std::vector<int>> elements;       // 3 or 4 corners
  std::map<int, std::vector<int>> curveNodes;   // line slot -> inner nodes from N1 to N2
};

}  // namespace

AutoMeshResult autoMesh(LineNetwork& net, const AutoMeshRequest& request) {
  const double h = request.size;
  if (!(h > 0) || !std::isfinite(h))
    throw common::RangeError("自動メッシュ: 要素の大きさ " + number(h) +
                             " は 0 より大きい数でなければなりません");

  LineNetwork work = net;  // the network changes only when everything has worked
  work.PreYoso();
  work.YSort();
  work.XSort();
  work.ElemSort();
  const std::vector<Face> faces = findFaces(work);
  const int linesBefore = work.NUMEL;

  // The faces to mesh, and the picked small cells kept as drawn.
  enum class Role : char { Untouched, Mesh, Keep };
  std::vector<Role> role(faces.size(), request.at.empty() ? Role::Mesh : Role::Untouched);
  for (const auto& [x, y] : request.at) {
    const int f = faceContaining(work, faces, x, y);
    if (f < 0)
      throw common::Error("自動メッシュ: 点 (" + number(x) + ", " + number(y) +
                          ") を含む閉じた面がありません");
    role[f] = Role::Mesh;
  }
  AutoMeshResult result;
  auto length = [&work](int a, int b) {
    return std::hypot(work.Node[a].X - work.Node[b].X, work.Node[a].Y - work.Node[b].Y);
  };
  for (size_t f = 0; f < faces.size(); ++f) {
    const Face& face = faces[f];
    if (role[f] != Role::Mesh || !face.holes.empty() || face.corners.size() > 4) continue;
    double longest = 0.0;
    for (size_t i = 0; i < face.corners.size(); ++i)
      longest =
          std::max(longest, length(face.corners[i], face.corners[(i + 1) % face.corners.size()]));
    if (longest <= h) role[f] = Role::Keep, ++result.facesKept;
  }

  // The lines of the meshed faces. One that is no longer than the size and
  // borders a face left as it is stays whole, so that face keeps its corners;
  // any other is divided (a longer line next to a face that is not meshed
  // divides that face's cell too: the formation report shows it).
  std::unordered_map<Side, bool, SideHash> bordersKept;
  auto mark = [&](const std::vector<int>& walk, Role r) {
    for (size_t i = 0, n = walk.size(); i < n; ++i) {
      bool& b = bordersKept[sideOf(walk[i], walk[(i + 1) % n])];
      b = b || r != Role::Mesh;
    }
  };
  for (size_t f = 0; f < faces.size(); ++f) {
    mark(faces[f].corners, role[f]);
    for (const auto& hole : faces[f].holes) mark(hole, role[f]);
  }
  std::unordered_map<Side, bool, SideHash> used;  // meshed lines: true when divisible
  double meshedArea = 0.0;
  for (size_t f = 0; f < faces.size(); ++f) {
    if (role[f] != Role::Mesh) continue;
    meshedArea += faces[f].area;
    auto add = [&](const std::vector<int>& walk) {
      for (size_t i = 0, n = walk.size(); i < n; ++i) {
        const Side s = sideOf(walk[i], walk[(i + 1) % n]);
        used[s] = !bordersKept[s] || length(s.first, s.second) > h;
      }
    };
    add(faces[f].corners);
    for (const auto& hole : faces[f].holes) add(hole);
  }
  // A mesh far beyond the tables is refused before Gmsh spends time on it:
  // quadrilaterals of side h need about one node per h * h.
  const double estimate = work.NUMNP + meshedArea / (h * h);
  if (estimate > 2.0 * kNodeCapacity) refuseCapacity(h, static_cast<long>(estimate), -1);

  // Each meshed face as the loops of a plane surface, its outer loop first,
  // and the lines inside it.
  std::vector<WalkParts> boundaries;
  bool innerLines = false;
  for (size_t f = 0; f < faces.size(); ++f) {
    if (role[f] != Role::Mesh) continue;
    WalkParts parts = splitWalk(faces[f].corners);
    // A part joined to the face's boundary by a line is walked with it: its
    // loop goes clockwise, the outer loop counter-clockwise.
    std::stable_partition(parts.loops.begin(), parts.loops.end(),
                          [&](const auto& loop) { return loopArea(work, loop) > 0; });
    if (parts.loops.empty() || loopArea(work, parts.loops.front()) <= 0 ||
        (parts.loops.size() > 1 && loopArea(work, parts.loops[1]) > 0))
      throw common::Error("自動メッシュ: 節点 " + std::to_string(faces[f].corners.front()) +
                          " の面の外周がひとつに定まりません");
    for (const auto& hole : faces[f].holes) {
      WalkParts h = splitWalk(hole);
      parts.loops.insert(parts.loops.end(), h.loops.begin(), h.loops.end());
      parts.inner.insert(parts.inner.end(), h.inner.begin(), h.inner.end());
    }
    innerLines = innerLines || !parts.inner.empty();
    boundaries.push_back(std::move(parts));
  }
  bool allDivisible = true;
  for (const auto& [side, divisible] : used) allDivisible = allDivisible && divisible;

  MeshedFaces meshed;
  try {
    GmshSession session(allDivisible && !innerLines);
    namespace geo = gmsh::model::geo;
    // Lines by slot, each once: curve tag = line slot.
    std::unordered_map<Side, int, SideHash> curveOf;
    std::vector<char> point(work.NUMNP + 1, 0);
    for (int j = 1; j <= work.NUMEL; ++j) {
      const LineRecord& l = work.Elem[j];
      const Side s = sideOf(l.N1, l.N2);
      auto u = used.find(s);
      if (u == used.end() || curveOf.count(s)) continue;
      for (int k : {l.N1, l.N2})
        if (!point[k]) {
          geo::addPoint(work.Node[k].X, work.Node[k].Y, 0.0, h, k);
          point[k] = 1;
        }
      geo::addLine(l.N1, l.N2, j);
      if (!u->second) geo::mesh::setTransfiniteCurve(j, 2);
      curveOf[s] = j;
    }
    auto signedCurve = [&](int u, int v) {
      const int j = curveOf.at(sideOf(u, v));
      return work.Elem[j].N1 == u ? j : -j;
    };
    std::vector<std::pair<int, std::vector<int>>> embedded;  // surface, curves
    std::vector<int> surfaces;
    for (const WalkParts& parts : boundaries) {
      std::vector<int> wires;
      for (const auto& loop : parts.loops) {
        std::vector<int> curves;
        for (const auto& [u, v] : loop) curves.push_back(signedCurve(u, v));
        wires.push_back(geo::addCurveLoop(curves));
      }
      const int surface = geo::addPlaneSurface(wires);
      surfaces.push_back(surface);
      if (parts.inner.empty()) continue;
      std::vector<int> inner;
      for (const Side& s : parts.inner) inner.push_back(curveOf.at(s));
      embedded.push_back({surface, inner});
    }
    geo::synchronize();
    for (const auto& [surface, curves] : embedded) gmsh::model::mesh::embed(1, curves, 2, surface);
    gmsh::model::mesh::generate(2);

    // Gmsh's nodes: those on our points take the points' numbers, the others
    // are new, numbered in Gmsh's order.
    std::vector<size_t> tags;
    std::vector<double> coords, params;
    gmsh::model::mesh::getNodes(tags, coords, params, -1, -1, false, false);
    std::unordered_map<size_t, int> nodeOf;
    nodeOf.reserve(tags.size());
    std::vector<size_t> pointTags;
    for (int k = 1; k <= work.NUMNP; ++k) {
      if (!point[k]) continue;
      gmsh::model::mesh::getNodes(pointTags, coords, params, 0, k, false, false);
      if (pointTags.size() != 1)
        throw common::Error("自動メッシュ: 節点 " + std::to_string(k) + " が失われました");
      nodeOf[pointTags[0]] = k;
    }
    gmsh::model::mesh::getNodes(tags, coords, params, -1, -1, false, false);
    for (size_t i = 0; i < tags.size(); ++i) {
      if (nodeOf.count(tags[i])) continue;
      nodeOf[tags[i]] = work.NUMNP + 1 + static_cast<int>(meshed.newNodes.size());
      meshed.newNodes.push_back({coords[3 * i], coords[3 * i + 1]});
    }
    // The inner nodes of each divided line, from its N1 to its N2.
    for (const auto& [s, j] : curveOf) {
      (void)s;
      gmsh::model::mesh::getNodes(tags, coords, params, 1, j, false, true);
      if (tags.empty()) continue;
      std::vector<std::pair<double, int>> along;
      for (size_t i = 0; i < tags.size(); ++i) along.push_back({params[i], nodeOf.at(tags[i])});
      std::sort(along.begin(), along.end());
      std::vector<int>& inner = meshed.curveNodes[j];
      for (const auto& [u, k] : along) inner.push_back(k);
    }
    for (int surface : surfaces) {
      std::vector<int> types;
      std::vector<std::vector<size_t>> elementTags, nodeTags;
      gmsh::model::mesh::getElements(types, elementTags, nodeTags, 2, surface);
      for (size_t t = 0; t < types.size(); ++t) {
        const size_t corners = types[t] == 2 ? 3 : types[t] == 3 ? 4 : 0;
        if (corners == 0)
          throw common::Error("自動メッシュ: 想定外の要素の種類 " + std::to_string(types[t]));
        for (size_t e = 0; e + corners <= nodeTags[t].size(); e += corners) {
          std::vector<int> element;
          for (size_t c = 0; c < corners; ++c) element.push_back(nodeOf.at(nodeTags[t][e + c]));
          meshed.elements.push_back(std::move(element));
        }
      }
    }
  } catch (const common::Error&) {
    throw;
  } catch (...) {
    const std::string why = GmshSession::lastError();
    throw common::Error("自動メッシュ: Gmsh が失敗しました" +
                        (why.empty() ? std::string() : ": " + why));
  }

  // Capacity, before anything changes.
  auto coordinate = [&](int k) -> std::array<double, 2> {
    if (k <= work.NUMNP) return {work.Node[k].X, work.Node[k].Y};
    return meshed.newNodes[k - work.NUMNP - 1];
  };
  // Quadrilaterals with a flat or reflex corner become two triangles.
  std::vector<std::vector<int>> elements;
  elements.reserve(meshed.elements.size());
  for (auto& e : meshed.elements) {
    if (e.size() == 4) {
      int wide = -1;
      double widest = 0.0;
      // Orientation first: the angle inside a clockwise element is 360 less the computed one.
      double twice = 0.0;
      for (int c = 0; c < 4; ++c) {
        auto p = coordinate(e[c]), q = coordinate(e[(c + 1) % 4]);
        twice += p[0] * q[1] - q[0] * p[1];
      }
      for (int c = 0; c < 4; ++c) {
        double a =
            angleAt(coordinate(e[(c + 3) % 4]), coordinate(e[c]), coordinate(e[(c + 1) % 4]));
        if (twice < 0) a = 360.0 - a;
        if (a > widest) widest = a, wide = c;
      }
      if (widest >= kSplitAngle) {
        const int c = wide;
        elements.push_back({e[c], e[(c + 1) % 4], e[(c + 2) % 4]});
        elements.push_back({e[c], e[(c + 2) % 4], e[(c + 3) % 4]});
        continue;
      }
    }
    elements.push_back(std::move(e));
  }

  // The new line table: a divided line becomes its pieces (the first keeps
  // its place, a second line between the same nodes goes), then every element
  // side that is not a line yet.
  std::vector<LineRecord> table, added;
  std::unordered_map<Side, int, SideHash> lineOf;
  for (int j = 1; j <= work.NUMEL; ++j) {
    const LineRecord& l = work.Elem[j];
    auto pieces = meshed.curveNodes.find(j);
    if (pieces == meshed.curveNodes.end()) {
      auto first = lineOf.find(sideOf(l.N1, l.N2));
      if (first != lineOf.end() && first->second < 0) continue;  // the twin of a divided line
      lineOf.emplace(sideOf(l.N1, l.N2), j);
      table.push_back(l);
      continue;
    }
    std::vector<int> chain{l.N1};
    chain.insert(chain.end(), pieces->second.begin(), pieces->second.end());
    chain.push_back(l.N2);
    lineOf[sideOf(l.N1, l.N2)] = -1;
    for (size_t i = 0; i + 1 < chain.size(); ++i) {
      (i == 0 ? table : added).push_back({0, chain[i], chain[i + 1], 0});
      lineOf.emplace(sideOf(chain[i], chain[i + 1]), 0);
    }
  }
  for (const auto& e : elements)
    for (size_t c = 0; c < e.size(); ++c) {
      const int a = e[c], b = e[(c + 1) % e.size()];
      if (lineOf.emplace(sideOf(a, b), 0).second) added.push_back({0, a, b, 0});
    }
  table.insert(table.end(), added.begin(), added.end());

  const long nodes = work.NUMNP + static_cast<long>(meshed.newNodes.size());
  const long lines = static_cast<long>(table.size());
  if (nodes > kNodeCapacity || lines > kLineCapacity ||
      static_cast<long>(elements.size()) > kElementCapacity)
    refuseCapacity(h, nodes, lines);

  for (const auto& p : meshed.newNodes) work.appendNode(p[0], p[1]);
  std::copy(table.begin(), table.end(), work.Elem.begin() + 1);
  work.NUMEL = static_cast<int>(table.size());

  for (Role r : role) result.facesMeshed += r == Role::Mesh;
  result.nodesAdded = static_cast<int>(meshed.newNodes.size());
  result.linesAdded = work.NUMEL - linesBefore;
  if (nodes > kEditorNodes || static_cast<long>(elements.size()) > kEditorElements)
    result.warning = "節点 " + std::to_string(nodes) + "、要素 " + std::to_string(elements.size()) +
                     " のメッシュです。条件エディタが開けるのは節点・要素とも " +
                     std::to_string(kEditorNodes) + " までです";
  net = std::move(work);
  return result;
}

}  // namespace linemesh
