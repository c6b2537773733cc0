#include "linemesh/model/mesh_insert.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unordered_map>

#include "common/errors.h"
#include "common/numbers.h"
#include "linemesh/model/messages.h"
#include "linemesh/model/node_pair.h"

namespace linemesh {

namespace {

constexpr double kPi = 3.141592653589793;

/// The angle at c turned clockwise from the ray to p to the ray to q, degrees:
/// the inner angle of a counter-clockwise walk p, c, q.
double angleAt(std::array<double, 2> p, std::array<double, 2> c, std::array<double, 2> q) {
  const double a1 = std::atan2(p[1] - c[1], p[0] - c[0]);
  const double a3 = std::atan2(q[1] - c[1], q[0] - c[0]);
  double d = a1 - a3;
  if (d < 0) d += 2 * kPi;
  return d * 180.0 / kPi;
}

}  // namespace

void refuseCapacity(double size, long nodes, long lines) {
  const double ratio = std::max(static_cast<double>(nodes) / kNodeCapacity,
                                static_cast<double>(lines) / kLineCapacity);
  const double fits = std::ceil(size * std::sqrt(ratio) * 1.1 * 100) / 100;
  const std::string reached = lines < 0 ? text::autoMeshReachedNodes(nodes)
                                        : text::autoMeshReachedNodesAndLines(nodes, lines);
  throw common::RangeError(text::autoMeshOverCapacity(common::formatGeneral(size), reached,
                                                      kNodeCapacity, kLineCapacity,
                                                      common::formatGeneral(fits)));
}

std::vector<std::vector<int>> splitFlatQuadrilaterals(const LineNetwork& net,
                                                      const FaceMesh& mesh) {
  auto at = [&](int k) -> std::array<double, 2> {
    if (k <= net.NUMNP) return {net.Node[k].X, net.Node[k].Y};
    return mesh.newNodes[k - net.NUMNP - 1];
  };
  std::vector<std::vector<int>> elements;
  elements.reserve(mesh.elements.size());
  for (const std::vector<int>& e : mesh.elements) {
    if (e.size() != 4) {
      elements.push_back(e);
      continue;
    }
    // The mesher may give an element clockwise: its inner angles are then
    // 360 less the counter-clockwise ones.
    double twiceArea = 0.0;
    for (int c = 0; c < 4; ++c) {
      const auto p = at(e[c]), q = at(e[(c + 1) % 4]);
      twiceArea += p[0] * q[1] - q[0] * p[1];
    }
    int wide = 0;
    double widest = 0.0;
    for (int c = 0; c < 4; ++c) {
      double a = angleAt(at(e[(c + 3) % 4]), at(e[c]), at(e[(c + 1) % 4]));
      if (twiceArea < 0) a = 360.0 - a;
      if (a > widest) widest = a, wide = c;
    }
    if (widest < kFlatCorner) {
      elements.push_back(e);
      continue;
    }
    const int c = wide;
    elements.push_back({e[c], e[(c + 1) % 4], e[(c + 2) % 4]});
    elements.push_back({e[c], e[(c + 2) % 4], e[(c + 3) % 4]});
  }
  return elements;
}

InsertedMesh insertMesh(LineNetwork& net, const FaceMesh& mesh, double size) {
  const std::vector<std::vector<int>> elements = splitFlatQuadrilaterals(net, mesh);

  std::vector<LineRecord> table, added;
  std::unordered_map<NodePair, int, NodePairHash> lineOf;  // -1: divided into pieces
  for (int j = 1; j <= net.NUMEL; ++j) {
    const LineRecord& l = net.Elem[j];
    auto inside = mesh.lineNodes.find(j);
    if (inside == mesh.lineNodes.end() || inside->second.empty()) {
      auto first = lineOf.find(nodePair(l.N1, l.N2));
      if (first != lineOf.end() && first->second < 0) continue;  // the twin of a divided line
      lineOf.emplace(nodePair(l.N1, l.N2), j);
      table.push_back(l);
      continue;
    }
    std::vector<int> chain{l.N1};
    chain.insert(chain.end(), inside->second.begin(), inside->second.end());
    chain.push_back(l.N2);
    lineOf[nodePair(l.N1, l.N2)] = -1;
    for (size_t i = 0; i + 1 < chain.size(); ++i) {
      (i == 0 ? table : added).push_back({0, chain[i], chain[i + 1], 0});
      lineOf.emplace(nodePair(chain[i], chain[i + 1]), 0);
    }
  }
  for (const auto& e : elements)
    for (size_t c = 0; c < e.size(); ++c) {
      const int a = e[c], b = e[(c + 1) % e.size()];
      if (lineOf.emplace(nodePair(a, b), 0).second) added.push_back({0, a, b, 0});
    }
  table.insert(table.end(), added.begin(), added.end());

  const long nodes = net.NUMNP + static_cast<long>(mesh.newNodes.size());
  const long lines = static_cast<long>(table.size());
  if (nodes > kNodeCapacity || lines > kLineCapacity ||
      static_cast<long>(elements.size()) > kElementCapacity)
    refuseCapacity(size, nodes, lines);

  InsertedMesh inserted;
  inserted.nodesAdded = static_cast<int>(mesh.newNodes.size());
  inserted.linesAdded = static_cast<int>(lines) - net.NUMEL;
  inserted.elements = static_cast<int>(elements.size());
  for (const auto& p : mesh.newNodes) net.appendNode(p[0], p[1]);
  std::copy(table.begin(), table.end(), net.Elem.begin() + 1);
  net.NUMEL = static_cast<int>(table.size());
  return inserted;
}

}  // namespace linemesh
