#include "linemesh/interaction/face_picker.h"

#include <cstddef>

namespace linemesh::ui {

bool FacePicker::toggle(const LineNetwork& net, double x, double y) {
  const std::vector<Face> all = findFaces(net);
  const int face = faceContaining(net, all, x, y);
  if (face < 0) return false;
  for (auto p = points_.begin(); p != points_.end(); ++p) {
    if (faceContaining(net, all, (*p)[0], (*p)[1]) == face) {
      points_.erase(p);
      return true;
    }
  }
  points_.push_back({x, y});
  return true;
}

std::vector<Face> FacePicker::faces(const LineNetwork& net) const {
  const std::vector<Face> all = findFaces(net);
  std::vector<Face> picked;
  for (const auto& [x, y] : points_) {
    const int face = faceContaining(net, all, x, y);
    if (face >= 0) picked.push_back(all[static_cast<std::size_t>(face)]);
  }
  return picked;
}

}  // namespace linemesh::ui
