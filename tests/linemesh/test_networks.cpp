#include "test_networks.h"

#include <cstdio>
#include <random>

namespace linemesh::testing {

void drawAll(LineNetwork& net, const std::vector<Segment>& segments) {
  for (const Segment& s : segments) net.drawLine(s.x1, s.y1, s.x2, s.y2);
}

LineNetwork networkOf(const std::vector<Segment>& segments) {
  LineNetwork net;
  net.eps = 0.001;
  drawAll(net, segments);
  return net;
}

std::vector<Segment> polygon(const std::vector<std::array<double, 2>>& points) {
  std::vector<Segment> sides;
  for (size_t i = 0; i < points.size(); ++i) {
    const auto& a = points[i];
    const auto& b = points[(i + 1) % points.size()];
    sides.push_back({a[0], a[1], b[0], b[1]});
  }
  return sides;
}

std::string nodeText(const LineNetwork& net, int k) {
  char text[80];
  std::snprintf(text, sizeof text, "%.3f,%.3f", net.Node[k].X, net.Node[k].Y);
  return text;
}

std::vector<std::string> tablesOf(const LineNetwork& net) {
  std::vector<std::string> rows;
  char text[200];
  std::snprintf(text, sizeof text, "NUMNP %d NUMEL %d NE %d", net.NUMNP, net.NUMEL, net.NE);
  rows.push_back(text);
  for (int k = 1; k <= net.NUMNP; ++k) {
    const NodeRecord& n = net.Node[k];
    std::snprintf(text, sizeof text, "node %d: No %d X %a Y %a Flag %d", k, n.No, n.X, n.Y, n.Flag);
    rows.push_back(text);
  }
  for (int j = 1; j <= net.NUMEL; ++j) {
    const LineRecord& l = net.Elem[j];
    std::snprintf(text, sizeof text, "line %d: %d-%d Flag %d", j, l.N1, l.N2, l.Flag);
    rows.push_back(text);
  }
  for (int e = 1; e <= net.NE; ++e) {
    const CornerRow& r = net.KI[e];
    std::snprintf(text, sizeof text, "element %d: %d %d %d %d %d KN %d", e, r[1], r[2], r[3], r[4],
                  net.KN[e] < 0 ? r[5] : 0, net.KN[e]);
    rows.push_back(text);
  }
  return rows;
}

/// A jittered n x n grid with diagonals, divided sides, spurs and a few long
/// lines drawn across it (split at every crossing).
LineNetwork jitteredGrid(int n, int longLines) {
  std::mt19937_64 rng(42);
  std::uniform_real_distribution<double> jitter(-0.2, 0.2), unit(0, 1);
  LineNetwork net;
  net.eps = 0.001;
  auto node = [&](int i, int j) { return i * n + j + 1; };
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) net.appendNode(i + jitter(rng), j + jitter(rng));
  auto side = [&](int a, int b) {
    if (unit(rng) < 0.18) {  // divided at its middle
      const auto& p = net.Node[a];
      const auto& q = net.Node[b];
      int m = net.appendNode((p.X + q.X) / 2, (p.Y + q.Y) / 2);
      net.appendLine(a, m);
      net.appendLine(m, b);
    } else {
      net.appendLine(a, b);
    }
  };
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      if (i + 1 < n) side(node(i, j), node(i + 1, j));
      if (j + 1 < n) side(node(i, j), node(i, j + 1));
      if (i + 1 < n && j + 1 < n && unit(rng) < 0.05)
        net.appendLine(node(i, j), node(i + 1, j + 1));
      if (unit(rng) < 0.01) {
        int spur = net.appendNode(net.Node[node(i, j)].X + 0.3, net.Node[node(i, j)].Y + 0.45);
        net.appendLine(node(i, j), spur);
      }
    }
  for (int k = 0; k < longLines; ++k)
    net.drawLine(-1, 0.37 + k * (n - 1.0) / longLines, n, 0.61 + k * (n - 1.0) / longLines);
  return net;
}

}  // namespace linemesh::testing
