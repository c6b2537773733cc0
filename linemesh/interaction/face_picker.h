// The faces picked for automatic meshing. A pick is kept as the clicked point
// in world coordinates, so that it names the same face however the tables
// are renumbered; a click in a picked face unpicks it.
#pragma once

#include <array>
#include <vector>

#include "linemesh/model/faces.h"
#include "linemesh/model/network.h"

namespace linemesh::ui {

class FacePicker {
 public:
  /// Picks the face of the network that holds world point (x, y), or unpicks
  /// it when it is picked. False when no face holds the point.
  bool toggle(const LineNetwork& net, double x, double y);
  void clear() { points_.clear(); }
  bool empty() const { return points_.empty(); }
  /// One point in each picked face, in the order picked.
  const std::vector<std::array<double, 2>>& points() const { return points_; }
  /// The picked faces of the network as it is now, in the order picked.
  std::vector<Face> faces(const LineNetwork& net) const;

 private:
  std::vector<std::array<double, 2>> points_;
};

}  // namespace linemesh::ui
