// A mesh made for the network's faces put into its tables: divided lines
// become their pieces, element sides become lines, new nodes are appended.
#pragma once

#include <array>
#include <map>
#include <vector>

#include "linemesh/model/network.h"

namespace linemesh {

/// A mesh in the network's node numbers.
struct FaceMesh {
  std::vector<std::array<double, 2>> newNodes;  // numbered from NUMNP + 1 on
  std::vector<std::vector<int>> elements;       // 3 or 4 corners
  std::map<int, std::vector<int>> lineNodes;    // line slot -> nodes inside it, from N1 to N2
};

/// A quadrilateral with a corner this wide (degrees) or wider becomes two
/// triangles cut at that corner: formation takes no corner of 180 degrees,
/// and one close to it would be a poor element.
inline constexpr double kFlatCorner = 170.0;

/// The elements with every quadrilateral that has a corner of kFlatCorner or
/// more split into two triangles.
std::vector<std::vector<int>> splitFlatQuadrilaterals(const LineNetwork& net, const FaceMesh& mesh);

struct InsertedMesh {
  int nodesAdded = 0, linesAdded = 0, elements = 0;
};

/// Puts the mesh into the network: each line with nodes inside it becomes its
/// pieces (the first keeps the slot; another line between the same two nodes
/// goes), every element side that is not a line yet is appended, and the new
/// nodes are appended. A result beyond the tables' capacity throws
/// common::RangeError, naming the counts and a size that fits, before
/// anything changes.
InsertedMesh insertMesh(LineNetwork& net, const FaceMesh& mesh, double size);

/// Refuses a mesh beyond the tables: the counts reached (lines below 0: an
/// estimate of the nodes alone) and a size that would fit.
[[noreturn]] void refuseCapacity(double size, long nodes, long lines);

}  // namespace linemesh
