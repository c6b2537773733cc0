// The faces of the line network: the regions into which its live lines cut
// the plane, each bounded by a closed walk of lines. Element formation finds
// only the cells of three to five convex corners; the faces are every region,
// whatever its shape, so that what formation left out can be named.
#pragma once

#include <vector>

#include "linemesh/model/network.h"

namespace linemesh {

struct Face {
  /// The boundary walk, counter-clockwise (y upwards), each corner once per
  /// visit: a line with a free end inside the face is walked out and back, so
  /// its nodes can come twice. Straight corners are corners too.
  std::vector<int> corners;
  /// The outer walks of the parts of the network that lie inside this face
  /// and touch none of its lines, each clockwise.
  std::vector<std::vector<int>> holes;
  /// The area of the outer walk less the areas of the holes.
  double area = 0.0;
};

/// Every bounded face of the network formed by its live lines (Flag 0 or
/// more) between live nodes. At each node the lines are taken in angular
/// order and each directed side is followed by the next line turning left;
/// the unbounded outer walk of each connected part is left out, and a part
/// that lies inside a face of another part is a hole of the innermost such
/// face. Lines of zero length are ignored and a pair of nodes joined by
/// several lines counts once.
///
/// Faces come in a fixed order: by the smallest directed side (first node,
/// then second node) of their walk, which starts at that side.
std::vector<Face> findFaces(const LineNetwork& net);

/// The face that contains the point (inside its outer walk and inside none of
/// its holes), or -1. A point on a line belongs to either side.
int faceContaining(const LineNetwork& net, const std::vector<Face>& faces, double x, double y);

/// Twice the signed area of a closed walk of nodes (counter-clockwise positive).
double twiceSignedArea(const LineNetwork& net, const std::vector<int>& walk);

}  // namespace linemesh
