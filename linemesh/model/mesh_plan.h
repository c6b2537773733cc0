// What automatic meshing gives the mesher: the points, the lines as curves
// (each once, so that faces sharing a line share its division) and the faces
// as plane surfaces bounded by loops of curves. Built from the tidied network
// alone; the mesher itself is not needed here.
#pragma once

#include <vector>

#include "linemesh/model/auto_mesh.h"
#include "linemesh/model/network.h"

namespace linemesh {

struct PlannedCurve {
  int line = 0;        // the line's slot, which is also the curve's tag
  int n1 = 0, n2 = 0;  // its end nodes (the points' tags), as the line runs
  /// Left undivided: no longer than the size and next to a face that is not
  /// meshed, so that face keeps its corners.
  bool whole = false;
};

struct PlannedSurface {
  /// Loops of signed curve tags (minus: the curve walked from n2 to n1); the
  /// outer loop counter-clockwise first, then the holes clockwise.
  std::vector<std::vector<int>> loops;
  /// Curves that lie inside the surface (lines with a free end, lines that
  /// join a part to the boundary): the mesh follows them.
  std::vector<int> inner;
};

struct MeshPlan {
  double size = 0.0;
  std::vector<int> points;  // node numbers, ascending
  std::vector<PlannedCurve> curves;
  std::vector<PlannedSurface> surfaces;
  int facesMeshed = 0;
  int facesKept = 0;
  double meshedArea = 0.0;

  bool hasWholeCurves() const;
  bool hasInnerCurves() const;
};

/// The plan for meshing the requested faces of a network tidied as formation
/// tidies it. A point in no face, or a face whose boundary is not one outer
/// loop, throws common::Error.
MeshPlan planMesh(const LineNetwork& tidied, const AutoMeshRequest& request);

}  // namespace linemesh
