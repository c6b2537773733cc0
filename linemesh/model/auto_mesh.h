// Automatic meshing (自動メッシュ): closed faces of the line network are
// filled with triangles and quadrilaterals of a chosen size by Gmsh, and the
// element sides become lines of the network, so that 要素の成形 then forms
// every meshed face into elements. Hand-drawn lines keep their places.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "linemesh/model/network.h"

namespace linemesh {

struct AutoMeshRequest {
  /// Target length of an element side, metres; above 0.
  double size = 1.0;
  /// Points that pick the faces to mesh (the face containing each point);
  /// empty: every face.
  std::vector<std::array<double, 2>> at;
};

struct AutoMeshResult {
  int facesMeshed = 0;
  /// Picked faces left as drawn: triangles and quadrilaterals whose longest
  /// side is at most the size.
  int facesKept = 0;
  int nodesAdded = 0;  // beyond the tidied network
  int linesAdded = 0;
  /// Triangles and quadrilaterals made in the meshed faces.
  int elements = 0;
  /// Not empty when the mesh is more than the condition editor holds.
  std::string warning;
};

/// Tidies the network as formation does, then meshes the requested faces.
/// A bad size, a point in no face, a mesh beyond the tables' capacity or a
/// failure of the mesher throws common::Error (common::RangeError for sizes
/// and capacities) with the network exactly as it was.
AutoMeshResult autoMesh(LineNetwork& net, const AutoMeshRequest& request);

}  // namespace linemesh
