// Small networks and table views shared by the mesh maker's tests.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "linemesh/model/network.h"

namespace linemesh::testing {

struct Segment {
  double x1, y1, x2, y2;
};

/// Draws each segment as a typed line (snapping with the network's eps).
void drawAll(LineNetwork& net, const std::vector<Segment>& segments);

/// A network drawn from segments with snapping tolerance 0.001.
LineNetwork networkOf(const std::vector<Segment>& segments);

/// The closed polygon through the points, one segment per side.
std::vector<Segment> polygon(const std::vector<std::array<double, 2>>& points);

/// "x,y" of the node, with three decimals.
std::string nodeText(const LineNetwork& net, int k);

/// A jittered n x n grid of unit cells (nodes numbered column by column), with
/// diagonals, divided sides, spurs and `longLines` lines drawn across it.
LineNetwork jitteredGrid(int n, int longLines);

/// The used parts of every table, one entry per record, for whole-model comparisons.
std::vector<std::string> tablesOf(const LineNetwork& net);

}  // namespace linemesh::testing
