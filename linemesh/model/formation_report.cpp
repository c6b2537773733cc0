#include "linemesh/model/formation_report.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <unordered_set>

#include "linemesh/model/messages.h"

namespace linemesh {

namespace {

constexpr double kDegreesPerRadian = 180.0 / 3.141592653589793;

/// A closed walk rotated to start at its smallest node, so
/// that every rotation of the same walk gives the same key.
std::vector<int> rotationKey(std::vector<int> walk) {
  std::rotate(walk.begin(), std::min_element(walk.begin(), walk.end()), walk.end());
  return walk;
}

struct KeyHash {
  size_t operator()(const std::vector<int>& k) const {
    uint64_t h = 1469598103934665603ULL;
    for (int v : k) h = (h ^ static_cast<uint32_t>(v)) * 1099511628211ULL;
    return h;
  }
};

/// "節点 a-b-c"; a long walk (a cell left by a partial mesh can have hundreds
/// of corners) is cut after its first corners, with the count.
std::string nodeList(const int* first, const int* last) {
  constexpr long kShown = 8;
  std::string list = text::nodesPrefix();
  for (const int* k = first; k != last && k - first < kShown; ++k)
    list += (k == first ? "" : "-") + std::to_string(*k);
  if (last - first > kShown) list += text::nodesMore(last - first);
  return list;
}

std::string at(const LineNetwork& net, int k) {
  char text[80];
  std::snprintf(text, sizeof text, " (%.3f, %.3f)", net.Node[k].X, net.Node[k].Y);
  return text;
}

/// "<caption> N 個: place; place; ..." for the first `listed` items.
template <class Items, class Describe>
void addFaultLine(std::vector<std::string>& lines, const char* caption, const Items& items,
                  int listed, Describe describe) {
  if (items.empty()) return;
  std::string line = text::faultLineHead(caption, items.size());
  const size_t shown = std::min<size_t>(items.size(), std::max(listed, 1));
  for (size_t i = 0; i < shown; ++i) line += (i ? "; " : "") + describe(items[i]);
  if (shown < items.size()) line += "; ...";
  lines.push_back(std::move(line));
}

}  // namespace

std::vector<std::string> faultLines(const FormationReport& report, const LineNetwork& net,
                                    int listed) {
  std::vector<std::string> lines;
  addFaultLine(lines, text::fiveCornerCellsCaption(), report.fiveCornerCells, listed,
               [&](const std::array<int, 5>& c) {
                 return nodeList(c.data(), c.data() + 5) + at(net, c[0]);
               });
  addFaultLine(lines, text::cellsWithoutElementCaption(), report.cellsWithoutElement, listed,
               [&](const Face& f) {
                 char area[64];
                 std::snprintf(area, sizeof area, "%s%.3f", text::areaLabel(), f.area);
                 return nodeList(f.corners.data(), f.corners.data() + f.corners.size()) +
                        at(net, f.corners[0]) + area;
               });
  addFaultLine(lines, text::nodesWithoutElementCaption(), report.nodesWithoutElement, listed,
               [&](int k) { return nodeList(&k, &k + 1) + at(net, k); });
  return lines;
}

ElementAngles elementAngles(const LineNetwork& net, int e) {
  const int n = net.cornerCount(e);
  const CornerRow& k = net.KI[e];
  ElementAngles a{e, 360.0, 0.0, 0.0};
  for (int c = 1; c <= n; ++c) {
    const int prev = k[c == 1 ? n : c - 1], next = k[c == n ? 1 : c + 1];
    const double angle = net.CalcDeg(prev, k[c], next) * kDegreesPerRadian;
    a.minAngle = std::min(a.minAngle, angle);
    a.maxAngle = std::max(a.maxAngle, angle);
  }
  const double ideal = n == 3 ? 60.0 : 90.0;
  a.skewness = std::max((ideal - a.minAngle) / ideal, (a.maxAngle - ideal) / (180.0 - ideal));
  return a;
}

FormationReport reportFormation(const LineNetwork& net) {
  FormationReport r;
  std::unordered_set<std::vector<int>, KeyHash> cells;  // elements and five-corner cells
  std::vector<char> corner(net.NUMNP + 1, 0);
  std::vector<ElementAngles> angles;
  for (int e = 1; e <= net.NE; ++e) {
    if (net.KN[e] != 3 && net.KN[e] != 4) continue;
    const int n = net.cornerCount(e);
    ++r.elements;
    ++(n == 3 ? r.triangles : r.quadrilaterals);
    std::vector<int> walk(net.KI[e].begin() + 1, net.KI[e].begin() + 1 + n);
    for (int k : walk)
      if (k >= 1 && k <= net.NUMNP) corner[k] = 1;
    cells.insert(rotationKey(std::move(walk)));
    angles.push_back(elementAngles(net, e));
  }
  r.fiveCornerCells = net.fiveCornerCells();
  for (const auto& c : r.fiveCornerCells) cells.insert(rotationKey({c.begin(), c.end()}));

  for (Face& f : findFaces(net))
    if (!f.holes.empty() || !cells.count(rotationKey(f.corners)))
      r.cellsWithoutElement.push_back(std::move(f));
  for (int k = 1; k <= net.NUMNP; ++k)
    if (net.Node[k].Flag >= 0 && !corner[k]) r.nodesWithoutElement.push_back(k);

  if (!angles.empty()) {
    r.minAngle = 360.0;
    for (const ElementAngles& a : angles) {
      r.minAngle = std::min(r.minAngle, a.minAngle);
      r.maxAngle = std::max(r.maxAngle, a.maxAngle);
    }
    const size_t shown = std::min<size_t>(FormationReport::kWorstShown, angles.size());
    std::partial_sort(angles.begin(), angles.begin() + shown, angles.end(),
                      [](const ElementAngles& p, const ElementAngles& q) {
                        return p.skewness != q.skewness ? p.skewness > q.skewness
                                                        : p.element < q.element;
                      });
    r.worstElements.assign(angles.begin(), angles.begin() + shown);
  }
  return r;
}

}  // namespace linemesh
