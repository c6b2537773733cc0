// What element formation made of the network and what it could not: the
// counts, the five-corner cells, the faces that hold no element, the nodes
// that are no element's corner and the angles of the elements. Computed from
// the tables after formation; it changes nothing.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "linemesh/model/faces.h"
#include "linemesh/model/network.h"

namespace linemesh {

struct ElementAngles {
  int element = 0;
  double minAngle = 0.0, maxAngle = 0.0;  // interior angles, degrees
  /// 0 for the ideal shape (all angles 60 degrees in a triangle, 90 in a
  /// quadrilateral), 1 for a flat corner: the larger of the relative shortfall
  /// of the smallest angle and the relative excess of the largest.
  double skewness = 0.0;
};

struct FormationReport {
  static constexpr int kWorstShown = 5;

  int elements = 0;  // triangles and quadrilaterals
  int triangles = 0;
  int quadrilaterals = 0;
  /// Each distinct five-corner cell once, corners as in its first row.
  std::vector<std::array<int, 5>> fiveCornerCells;
  /// Faces of the network that are neither an element nor a five-corner cell.
  std::vector<Face> cellsWithoutElement;
  /// Live nodes that are no corner of a triangle or quadrilateral, in order.
  std::vector<int> nodesWithoutElement;
  /// Smallest and largest interior angle over all elements (0 without elements).
  double minAngle = 0.0, maxAngle = 0.0;
  /// The elements of greatest skewness, worst first, at most kWorstShown.
  std::vector<ElementAngles> worstElements;

  /// True when every face became an element and every node is a corner.
  bool faultless() const {
    return fiveCornerCells.empty() && cellsWithoutElement.empty() && nodesWithoutElement.empty();
  }
};

/// The report of the formation whose result the tables hold.
FormationReport reportFormation(const LineNetwork& net);

/// One line for each kind of fault the report holds (five-corner cells,
/// cells without element, nodes without element), in Japanese: the count and
/// the first `listed` places, each with its nodes and one corner's coordinates.
std::vector<std::string> faultLines(const FormationReport& report, const LineNetwork& net,
                                    int listed);

/// The interior angles of element e (a triangle or quadrilateral, corners
/// counter-clockwise).
ElementAngles elementAngles(const LineNetwork& net, int e);

}  // namespace linemesh
